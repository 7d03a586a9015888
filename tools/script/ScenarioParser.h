#pragma once
// Reads a whole scenario before anything runs, so that a malformed line stops
// the script before it has changed anything.

#include <string>
#include <string_view>
#include <vector>

#include "tools/script/ArgumentCursor.h"
#include "tools/script/ScenarioCommand.h"

class ScenarioParser {
public:
    // False at the first malformed line; Error() then names the line.
    bool Parse(std::string_view script, std::vector<ScenarioCommand>& commands);
    const std::string& Error() const { return m_error; }

    // A day of the calendar written YYYY-MM-DD.
    static bool ParseDate(std::string_view word, SYSTEMTIME& date);

private:
    enum class Syntax {
        None, Id, IdText, IdIndex, IdRow, IdCount, IdRowText, IdIndexText, IdDate,
        Date, Text, Statement, Answer, DialogId, Choose, Box,
    };
    struct Form {
        const char* name;
        CommandKind kind;
        Syntax syntax;
    };

    bool ParseLine(std::string_view body, ScenarioCommand& command);
    const Form* FindForm(ArgumentCursor& cursor);
    bool ParseArguments(Syntax syntax, ArgumentCursor& cursor, ScenarioCommand& command);
    bool ParseControlArguments(Syntax syntax, ArgumentCursor& cursor, ScenarioCommand& command);
    bool ReadRows(const std::vector<std::string_view>& lines, size_t& index, ScenarioCommand& command);

    bool ReadId(ArgumentCursor& cursor, ScenarioCommand& command);
    bool ReadNumber(ArgumentCursor& cursor, int lowest, const char* what, bool addressing, int& value);
    bool ReadText(ArgumentCursor& cursor, CString& text);
    bool ReadDate(ArgumentCursor& cursor, SYSTEMTIME& date);
    bool ReadStatement(ArgumentCursor& cursor, std::string& statement);
    bool ReadAnswer(ArgumentCursor& cursor, int& answer);
    bool ReadDialogId(ArgumentCursor& cursor, int& id);
    bool ReadChoice(ArgumentCursor& cursor, ScenarioCommand& command);
    bool ReadBox(ArgumentCursor& cursor, ScenarioCommand& command);
    bool ReadBoxWords(const std::vector<std::string_view>& parts, ScenarioCommand& command);
    bool RequireEnd(const ArgumentCursor& cursor);

    static std::string Found(const ArgumentCursor& before, std::string_view word);
    bool Fail(const std::string& message);

    int m_line = 0;
    std::string m_label;
    std::string m_error;
};
