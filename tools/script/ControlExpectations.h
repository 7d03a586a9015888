#pragma once
// Expectations on one control of the top dialog. They may look at hidden
// controls: dialogs keep data in lists that are never shown.

#include "platform/framework/CListCtrl.h"
#include "tools/script/ScenarioCommand.h"

class CDialog;

class ControlExpectations {
public:
    static void Run(const ScenarioCommand& command, const CDialog& dialog);

    // The cells of a row, every column included, joined by bars.
    static CString RowText(const CListCtrl& list, int row);
    // Each column as title:width, joined by bars.
    static CString ColumnsText(const CListCtrl& list);

private:
    static void Text(const ScenarioCommand& command, const CDialog& dialog);
    static void Shown(const ScenarioCommand& command, const CDialog& dialog, bool shown);
    static void Checked(const ScenarioCommand& command, const CDialog& dialog, bool checked);
    static void Count(const ScenarioCommand& command, const CDialog& dialog);
    static void Row(const ScenarioCommand& command, const CDialog& dialog);
    static void Entry(const ScenarioCommand& command, const CDialog& dialog);
    static void Columns(const ScenarioCommand& command, const CDialog& dialog);
    static void Same(const CString& expected, const CString& found);
};
