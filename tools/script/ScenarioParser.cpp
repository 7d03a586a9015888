#include "tools/script/ScenarioParser.h"

#include <charconv>
#include <limits>

#include "platform/shell/CivilDate.h"
#include "platform/shell/TextEncoding.h"
#include "tools/script/ResourceNames.h"
#include "tools/script/TextArgument.h"

namespace {

std::vector<std::string_view> SplitLines(std::string_view script) {
    if (script.substr(0, 3) == "\xEF\xBB\xBF") script.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!script.empty()) {
        size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
    }
    return lines;
}

std::string_view SkipIndent(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

bool ParseInteger(std::string_view word, int& value) {
    if (word.empty()) return false;
    auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), value);
    return status == std::errc() && end == word.data() + word.size();
}

} // namespace

bool ScenarioParser::Parse(std::string_view script, std::vector<ScenarioCommand>& commands) {
    std::vector<std::string_view> lines = SplitLines(script);
    for (size_t i = 0; i < lines.size(); ++i) {
        m_line = static_cast<int>(i) + 1;
        m_label.clear();
        if (!TextEncoding::IsUtf8(lines[i])) return Fail("expected UTF-8 text, found other bytes");
        std::string_view body = SkipIndent(lines[i]);
        if (body.empty() || body.front() == '#') continue;
        ScenarioCommand command;
        command.line = m_line;
        command.source = std::string(TextArgument::TrimRight(body));
        if (!ParseLine(TextArgument::TrimRight(body), command)) return false;
        if (command.kind == CommandKind::ExpectDb) {
            size_t next = i + 1;
            if (!ReadRows(lines, next, command)) return false;
            i = next - 1;
        }
        commands.push_back(std::move(command));
    }
    return true;
}

// The rows of `expect db` are the lines that follow it and start with "| ";
// `index` is left on the first line after them.
bool ScenarioParser::ReadRows(const std::vector<std::string_view>& lines, size_t& index, ScenarioCommand& command) {
    for (; index < lines.size() && lines[index].substr(0, 2) == "| "; ++index) {
        m_line = static_cast<int>(index) + 1;
        if (!TextEncoding::IsUtf8(lines[index])) return Fail("expected UTF-8 text, found other bytes");
        command.rows.emplace_back(lines[index].substr(2));
    }
    return true;
}

bool ScenarioParser::ParseLine(std::string_view body, ScenarioCommand& command) {
    ArgumentCursor cursor(body);
    const Form* form = FindForm(cursor);
    if (!form) return false;
    command.kind = form->kind;
    m_label = form->name;
    if (!ParseArguments(form->syntax, cursor, command)) return false;
    command.label = m_label;
    return true;
}

const ScenarioParser::Form* ScenarioParser::FindForm(ArgumentCursor& cursor) {
    static const Form forms[] = {
        {"install", CommandKind::Install, Syntax::None},
        {"today", CommandKind::Today, Syntax::Date},
        {"sql", CommandKind::Sql, Syntax::Statement},
        {"start", CommandKind::Start, Syntax::None},
        {"click", CommandKind::Click, Syntax::Id},
        {"type", CommandKind::Type, Syntax::IdText},
        {"choose", CommandKind::Choose, Syntax::Choose},
        {"tab", CommandKind::Tab, Syntax::IdIndex},
        {"tap", CommandKind::Tap, Syntax::IdRow},
        {"date", CommandKind::Date, Syntax::IdDate},
        {"focus", CommandKind::Focus, Syntax::Id},
        {"ok", CommandKind::Ok, Syntax::None},
        {"close", CommandKind::Close, Syntax::None},
        {"answer", CommandKind::Answer, Syntax::Answer},
        {"expect dialog", CommandKind::ExpectDialog, Syntax::DialogId},
        {"expect title", CommandKind::ExpectTitle, Syntax::Text},
        {"expect notice", CommandKind::ExpectNotice, Syntax::Text},
        {"expect box", CommandKind::ExpectBox, Syntax::Box},
        {"expect no box", CommandKind::ExpectNoBox, Syntax::None},
        {"expect text", CommandKind::ExpectText, Syntax::IdText},
        {"expect visible", CommandKind::ExpectVisible, Syntax::Id},
        {"expect hidden", CommandKind::ExpectHidden, Syntax::Id},
        {"expect checked", CommandKind::ExpectChecked, Syntax::Id},
        {"expect unchecked", CommandKind::ExpectUnchecked, Syntax::Id},
        {"expect count", CommandKind::ExpectCount, Syntax::IdCount},
        {"expect row", CommandKind::ExpectRow, Syntax::IdRowText},
        {"expect entry", CommandKind::ExpectEntry, Syntax::IdIndexText},
        {"expect columns", CommandKind::ExpectColumns, Syntax::IdText},
        {"expect db", CommandKind::ExpectDb, Syntax::Statement},
        {"dump", CommandKind::Dump, Syntax::Id},
    };
    std::string name(cursor.NextWord());
    if (name == "expect") name += " " + std::string(cursor.NextWord());
    if (name == "expect no") name += " " + std::string(cursor.NextWord());
    for (const Form& form : forms) {
        if (name == form.name) return &form;
    }
    Fail("unknown command \"" + std::string(TextArgument::TrimRight(name)) + "\"");
    return nullptr;
}

bool ScenarioParser::ParseArguments(Syntax syntax, ArgumentCursor& cursor, ScenarioCommand& command) {
    switch (syntax) {
    case Syntax::None: return RequireEnd(cursor);
    case Syntax::Date: return ReadDate(cursor, command.date);
    case Syntax::Text: return ReadText(cursor, command.text);
    case Syntax::Statement: return ReadStatement(cursor, command.statement);
    case Syntax::Answer: return ReadAnswer(cursor, command.number);
    case Syntax::DialogId: return ReadDialogId(cursor, command.id);
    case Syntax::Box: return ReadBox(cursor, command);
    default: return ReadId(cursor, command) && ParseControlArguments(syntax, cursor, command);
    }
}

// What follows the control id.
bool ScenarioParser::ParseControlArguments(Syntax syntax, ArgumentCursor& cursor, ScenarioCommand& command) {
    switch (syntax) {
    case Syntax::Id: return RequireEnd(cursor);
    case Syntax::IdText: return ReadText(cursor, command.text);
    case Syntax::IdIndex: return ReadNumber(cursor, 0, "a tab number", true, command.number) && RequireEnd(cursor);
    case Syntax::IdRow: return ReadNumber(cursor, -1, "a row (or -1)", true, command.number) && RequireEnd(cursor);
    case Syntax::IdCount: return ReadNumber(cursor, 0, "a count", false, command.number) && RequireEnd(cursor);
    case Syntax::IdRowText:
        return ReadNumber(cursor, 0, "a row", true, command.number) && ReadText(cursor, command.text);
    case Syntax::IdIndexText:
        return ReadNumber(cursor, 0, "an entry number", true, command.number) && ReadText(cursor, command.text);
    case Syntax::IdDate: return ReadDate(cursor, command.date);
    case Syntax::Choose: return ReadChoice(cursor, command);
    default: return false;
    }
}

// A number, or a name that only the dialog in front at that moment can resolve.
bool ScenarioParser::ReadId(ArgumentCursor& cursor, ScenarioCommand& command) {
    ArgumentCursor before = cursor;
    std::string_view word = cursor.NextWord();
    if (ResourceNames::LooksLikeName(word)) {
        if (!ResourceNames::IsControlName(word)) {
            return Fail("expected a control id, found \"" + std::string(word) + "\", the name of no control");
        }
        command.controlName = std::string(word);
    } else if (!ParseInteger(word, command.id) || command.id < 0 || word.front() == '-') {
        return Fail("expected a control id, found " + Found(before, word));
    }
    m_label += " " + std::string(word);
    return true;
}

bool ScenarioParser::ReadNumber(ArgumentCursor& cursor, int lowest, const char* what, bool addressing, int& value) {
    ArgumentCursor before = cursor;
    std::string_view word = cursor.NextWord();
    if (!ParseInteger(word, value) || value < lowest) {
        return Fail(std::string("expected ") + what + ", found " + Found(before, word));
    }
    if (addressing) m_label += " " + std::string(word);
    return true;
}

bool ScenarioParser::ReadText(ArgumentCursor& cursor, CString& text) {
    std::string error;
    if (!TextArgument::Decode(cursor.Rest(), text, error)) return Fail(error);
    return true;
}

bool ScenarioParser::ReadDate(ArgumentCursor& cursor, SYSTEMTIME& date) {
    ArgumentCursor before = cursor;
    std::string_view word = cursor.NextWord();
    if (!ParseDate(word, date)) return Fail("expected a date YYYY-MM-DD, found " + Found(before, word));
    return RequireEnd(cursor);
}

bool ScenarioParser::ParseDate(std::string_view word, SYSTEMTIME& date) {
    if (word.size() != 10 || word[4] != '-' || word[7] != '-') return false;
    int year = 0, month = 0, day = 0;
    for (size_t at : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (word[at] < '0' || word[at] > '9') return false;
    }
    ParseInteger(word.substr(0, 4), year);
    ParseInteger(word.substr(5, 2), month);
    ParseInteger(word.substr(8, 2), day);
    if (year < 1 || !CivilDate{year, month, day}.Exists()) return false;
    date = SYSTEMTIME{};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    return true;
}

bool ScenarioParser::ReadStatement(ArgumentCursor& cursor, std::string& statement) {
    statement = std::string(TextArgument::TrimRight(cursor.Rest()));
    if (TextArgument::TrimBlanks(statement).empty()) return Fail("expected an SQL statement, found nothing");
    return true;
}

bool ScenarioParser::ReadAnswer(ArgumentCursor& cursor, int& answer) {
    ArgumentCursor before = cursor;
    std::string_view word = cursor.NextWord();
    if (word == "yes") answer = IDYES;
    else if (word == "no") answer = IDNO;
    else if (word == "cancel") answer = IDCANCEL;
    else if (word == "ok") answer = IDOK;
    else return Fail("expected yes, no, cancel or ok, found " + Found(before, word));
    return RequireEnd(cursor);
}

bool ScenarioParser::ReadDialogId(ArgumentCursor& cursor, int& id) {
    ArgumentCursor before = cursor;
    std::string_view word = cursor.NextWord();
    if (word == "none") {
        id = -1;
    } else if (ResourceNames::LooksLikeName(word)) {
        std::optional<int> number = ResourceNames::TemplateNumber(word);
        if (!number) return Fail("expected a dialog template, found \"" + std::string(word) + "\", the name of no template");
        id = *number;
    } else if (!ParseInteger(word, id) || id < 0 || word.front() == '-') {
        return Fail("expected a dialog template number or none, found " + Found(before, word));
    }
    return RequireEnd(cursor);
}

// `#N` picks by position; a text that starts with # is written quoted.
bool ScenarioParser::ReadChoice(ArgumentCursor& cursor, ScenarioCommand& command) {
    std::string_view rest = TextArgument::TrimRight(cursor.Rest());
    if (rest.size() > 1 && rest.front() == '#' && ParseInteger(rest.substr(1), command.number) &&
        rest[1] != '-' && rest[1] != '+') {
        command.byIndex = true;
        return true;
    }
    return ReadText(cursor, command.text);
}

bool ScenarioParser::ReadBox(ArgumentCursor& cursor, ScenarioCommand& command) {
    std::vector<std::string_view> parts;
    std::string error;
    if (!TextArgument::SplitAtBars(cursor.Rest(), parts, error)) return Fail(error);
    if (parts.size() != 4) {
        return Fail("expected CAPTION | TEXT | BUTTONS | ICON, found " + std::to_string(parts.size()) +
                    (parts.size() == 1 ? " part" : " parts"));
    }
    if (!TextArgument::Decode(parts[0], command.caption, error)) return Fail("caption: " + error);
    if (!TextArgument::Decode(parts[1], command.text, error)) return Fail("text: " + error);
    return ReadBoxWords(parts, command);
}

bool ScenarioParser::ReadBoxWords(const std::vector<std::string_view>& parts, ScenarioCommand& command) {
    command.buttons = std::string(parts[2]);
    command.icon = std::string(parts[3]);
    if (command.buttons != "ok" && command.buttons != "yesno" && command.buttons != "yesnocancel") {
        return Fail("expected the buttons ok, yesno or yesnocancel, found \"" + command.buttons + "\"");
    }
    if (command.icon != "none" && command.icon != "stop" && command.icon != "question") {
        return Fail("expected the icon none, stop or question, found \"" + command.icon + "\"");
    }
    return true;
}

bool ScenarioParser::RequireEnd(const ArgumentCursor& cursor) {
    if (cursor.AtEnd()) return true;
    return Fail("expected the end of the line, found \"" + std::string(cursor.Rest()) + "\"");
}

// How a word that did not fit is shown in a message.
std::string ScenarioParser::Found(const ArgumentCursor& before, std::string_view word) {
    if (!word.empty()) return "\"" + std::string(word) + "\"";
    return before.AtBlank() ? "a second blank (arguments are separated by one blank)" : "nothing";
}

bool ScenarioParser::Fail(const std::string& message) {
    m_error = "line " + std::to_string(m_line) + ": " + (m_label.empty() ? "" : m_label + ": ") + message;
    return false;
}
