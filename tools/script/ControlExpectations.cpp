#include "tools/script/ControlExpectations.h"

#include "platform/framework/CButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "tools/script/ControlTarget.h"
#include "tools/script/MessageText.h"

void ControlExpectations::Run(const ScenarioCommand& command, const CDialog& dialog) {
    switch (command.kind) {
    case CommandKind::ExpectText: return Text(command, dialog);
    case CommandKind::ExpectVisible: return Shown(command, dialog, true);
    case CommandKind::ExpectHidden: return Shown(command, dialog, false);
    case CommandKind::ExpectChecked: return Checked(command, dialog, true);
    case CommandKind::ExpectUnchecked: return Checked(command, dialog, false);
    case CommandKind::ExpectCount: return Count(command, dialog);
    case CommandKind::ExpectRow: return Row(command, dialog);
    case CommandKind::ExpectEntry: return Entry(command, dialog);
    case CommandKind::ExpectColumns: return Columns(command, dialog);
    default: throw ScriptFailure{"not an expectation on a control"};
    }
}

void ControlExpectations::Text(const ScenarioCommand& command, const CDialog& dialog) {
    Same(command.text, ControlTarget::Find(dialog, command.id).WindowText());
}

void ControlExpectations::Shown(const ScenarioCommand& command, const CDialog& dialog, bool shown) {
    bool found = ControlTarget::Find(dialog, command.id).IsWindowVisible();
    if (found != shown) throw ScriptFailure::Expected(shown ? "shown" : "hidden", found ? "shown" : "hidden");
}

void ControlExpectations::Checked(const ScenarioCommand& command, const CDialog& dialog, bool checked) {
    auto& box = ControlTarget::As<CButton>(ControlTarget::Find(dialog, command.id, {ControlKind::CheckBox}));
    bool found = box.GetCheck() == BST_CHECKED;
    if (found != checked) {
        throw ScriptFailure::Expected(checked ? "ticked" : "not ticked", found ? "ticked" : "not ticked");
    }
}

void ControlExpectations::Count(const ScenarioCommand& command, const CDialog& dialog) {
    CWnd& control = ControlTarget::Find(dialog, command.id, {ControlKind::ListView, ControlKind::ComboBox});
    bool isList = control.Kind() == ControlKind::ListView;
    int found = isList ? ControlTarget::As<CListCtrl>(control).GetItemCount()
                       : ControlTarget::As<CComboBox>(control).GetCount();
    const char* one = isList ? "row" : "entry";
    const char* many = isList ? "rows" : "entries";
    if (found != command.number) {
        throw ScriptFailure::Expected(MessageText::Count(command.number, one, many),
                                      MessageText::Count(found, one, many));
    }
}

void ControlExpectations::Row(const ScenarioCommand& command, const CDialog& dialog) {
    auto& list = ControlTarget::As<CListCtrl>(ControlTarget::Find(dialog, command.id, {ControlKind::ListView}));
    if (command.number >= list.GetItemCount()) {
        throw ScriptFailure::Expected("row " + std::to_string(command.number) + " " + MessageText::Quote(command.text),
                                      MessageText::Count(list.GetItemCount(), "row", "rows"));
    }
    Same(command.text, RowText(list, command.number));
}

void ControlExpectations::Entry(const ScenarioCommand& command, const CDialog& dialog) {
    auto& combo = ControlTarget::As<CComboBox>(ControlTarget::Find(dialog, command.id, {ControlKind::ComboBox}));
    if (command.number >= combo.GetCount()) {
        throw ScriptFailure::Expected("entry " + std::to_string(command.number) + " " +
                                          MessageText::Quote(command.text),
                                      MessageText::Count(combo.GetCount(), "entry", "entries"));
    }
    Same(command.text, combo.GetLBText(command.number));
}

void ControlExpectations::Columns(const ScenarioCommand& command, const CDialog& dialog) {
    auto& list = ControlTarget::As<CListCtrl>(ControlTarget::Find(dialog, command.id, {ControlKind::ListView}));
    Same(command.text, ColumnsText(list));
}

CString ControlExpectations::RowText(const CListCtrl& list, int row) {
    // A list without columns still holds each row's first cell.
    int columns = list.GetColumnCount() > 0 ? list.GetColumnCount() : 1;
    CString text;
    for (int column = 0; column < columns; ++column) {
        if (column) text += u'|';
        text += list.GetItemText(row, column);
    }
    return text;
}

CString ControlExpectations::ColumnsText(const CListCtrl& list) {
    CString text;
    for (int column = 0; column < list.GetColumnCount(); ++column) {
        if (column) text += u'|';
        text += list.Column(column).title;
        text.AppendFormat(u":%d", list.Column(column).width);
    }
    return text;
}

void ControlExpectations::Same(const CString& expected, const CString& found) {
    if (expected != found) throw ScriptFailure::Expected(MessageText::Quote(expected), MessageText::Quote(found));
}
