#include "tools/script/ControlDump.h"

#include <cstdio>

#include "platform/framework/CButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CMonthCalCtrl.h"
#include "platform/framework/CTabCtrl.h"
#include "tools/script/ControlExpectations.h"
#include "tools/script/ControlTarget.h"
#include "tools/script/MessageText.h"

std::vector<std::string> ControlDump::Lines(const CDialog& dialog, int id) {
    const CWnd& control = ControlTarget::Find(dialog, id);
    std::vector<std::string> lines{Header(dialog, control)};
    lines.push_back("  text " + MessageText::Quote(control.WindowText()));
    AddDetails(control, lines);
    return lines;
}

std::string ControlDump::Header(const CDialog& dialog, const CWnd& control) {
    std::string header = "control " + std::to_string(control.GetDlgCtrlID()) + ": " +
                         ControlTarget::KindName(control.Kind()) + ", " +
                         (control.IsWindowVisible() ? "shown" : "hidden");
    if (control.HasStyle(ControlStyle::ReadOnly)) header += ", read-only";
    if (control.HasStyle(ControlStyle::Sort)) header += ", sorted";
    if (dialog.FocusedControl() == &control) header += ", has the focus";
    return header;
}

void ControlDump::AddDetails(const CWnd& control, std::vector<std::string>& lines) {
    switch (control.Kind()) {
    case ControlKind::CheckBox:
        lines.push_back(dynamic_cast<const CButton&>(control).GetCheck() == BST_CHECKED ? "  ticked" : "  not ticked");
        break;
    case ControlKind::Picture: lines.push_back("  image " + control.Template()->image.ToUtf8()); break;
    case ControlKind::ComboBox: AddCombo(control, lines); break;
    case ControlKind::ListView: AddList(control, lines); break;
    case ControlKind::Tab: AddTabs(control, lines); break;
    case ControlKind::MonthCal: AddCalendar(control, lines); break;
    default: break;
    }
}

void ControlDump::AddCombo(const CWnd& control, std::vector<std::string>& lines) {
    const auto& combo = dynamic_cast<const CComboBox&>(control);
    for (int i = 0; i < combo.GetCount(); ++i) {
        lines.push_back("  entry " + std::to_string(i) + " " + MessageText::Quote(combo.GetLBText(i)));
    }
    lines.push_back("  selected entry " + std::to_string(combo.GetCurSel()));
}

void ControlDump::AddList(const CWnd& control, std::vector<std::string>& lines) {
    const auto& list = dynamic_cast<const CListCtrl&>(control);
    lines.push_back("  columns " + MessageText::Quote(ControlExpectations::ColumnsText(list)));
    for (int row = 0; row < list.GetItemCount(); ++row) {
        lines.push_back("  row " + std::to_string(row) + " " +
                        MessageText::Quote(ControlExpectations::RowText(list, row)));
    }
    lines.push_back("  selected row " + std::to_string(list.GetSelectionMark()));
}

void ControlDump::AddTabs(const CWnd& control, std::vector<std::string>& lines) {
    const auto& tab = dynamic_cast<const CTabCtrl&>(control);
    for (int i = 0; i < tab.GetItemCount(); ++i) {
        lines.push_back("  tab " + std::to_string(i) + " " + MessageText::Quote(tab.GetItemText(i)));
    }
    lines.push_back("  selected tab " + std::to_string(tab.GetCurSel()));
}

void ControlDump::AddCalendar(const CWnd& control, std::vector<std::string>& lines) {
    SYSTEMTIME day;
    dynamic_cast<const CMonthCalCtrl&>(control).GetCurSel(&day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.wYear, day.wMonth, day.wDay);
    lines.push_back(std::string("  selected day ") + text);
}
