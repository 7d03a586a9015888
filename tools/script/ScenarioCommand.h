#pragma once
// One command of a scenario, read and checked before anything runs.

#include <string>
#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/Types.h"

enum class CommandKind {
    Install, Today, Sql, Start,
    Click, Type, Choose, Tab, Tap, Date, Focus, Ok, Close, Answer,
    ExpectDialog, ExpectTitle, ExpectNotice, ExpectBox, ExpectNoBox,
    ExpectText, ExpectVisible, ExpectHidden, ExpectChecked, ExpectUnchecked,
    ExpectCount, ExpectRow, ExpectEntry, ExpectColumns, ExpectDb, Dump,
};

struct ScenarioCommand {
    int line = 0;
    CommandKind kind = CommandKind::Start;
    std::string source;       // the line as written, for the transcript
    std::string label;        // how messages name it: the command and what it addresses
    int id = 0;               // ID; for `expect dialog` the template, -1 for none
    std::string controlName;  // ID written as its resource name: resolved when it runs
    int number = 0;           // N or ROW; for `answer` the answer (IDYES ...)
    bool byIndex = false;     // `choose ID #N`
    CString text;             // TEXT; for `expect box` the box's text
    CString caption;          // `expect box`
    std::string buttons;      // `expect box`: ok, yesno, yesnocancel
    std::string icon;         // `expect box`: none, stop, question
    std::string statement;    // `sql` and `expect db`
    std::vector<std::string> rows;  // `expect db`: the rows that follow, without their "| "
    SYSTEMTIME date;
};
