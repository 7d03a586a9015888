#include "platform/framework/DialogInput.h"

#include "platform/framework/CButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CMonthCalCtrl.h"
#include "platform/framework/CTabCtrl.h"

CWnd* DialogInput::UsableControl(CDialog& dialog, int nID) {
    if (!dialog.IsRunning() || dialog.HasEnded()) return nullptr;
    CWnd* control = dialog.GetDlgItem(nID);
    return control && control->IsWindowVisible() ? control : nullptr;
}

bool DialogInput::FocusFirst(CDialog& dialog, CWnd& control) {
    if (control.TakesFocus()) dialog.MoveFocus(&control);
    return !dialog.HasEnded();
}

bool DialogInput::ClickButton(CDialog& dialog, int nID) {
    auto* button = dynamic_cast<CButton*>(UsableControl(dialog, nID));
    if (!button) return false;
    if (!FocusFirst(dialog, *button)) return true;
    if (button->HasStyle(ControlStyle::AutoCheckBox)) {
        button->SetCheck(button->GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    }
    dialog.SendCommand(BN_CLICKED, nID);
    return true;
}

bool DialogInput::TypeText(CDialog& dialog, int nID, const CString& text) {
    CWnd* control = UsableControl(dialog, nID);
    if (!control || (control->Kind() != ControlKind::Edit && control->Kind() != ControlKind::ComboBox)) return false;
    if (control->HasStyle(ControlStyle::ReadOnly)) return false;
    if (!FocusFirst(dialog, *control)) return true;
    if (auto* combo = dynamic_cast<CComboBox*>(control)) {
        // Typing leaves no entry selected; it sends no selection change.
        combo->SetCurSel(CB_ERR);
    }
    // A lone surrogate (half a character) could be stored but never shown,
    // found or written out again as it was: it becomes U+FFFD here, where
    // typed text enters, so what is stored is what the user sees.
    control->SetWindowText(CString::WithValidSurrogates(text));
    return true;
}

bool DialogInput::ChooseEntry(CDialog& dialog, int nID, int nIndex) {
    auto* combo = dynamic_cast<CComboBox*>(UsableControl(dialog, nID));
    if (!combo || nIndex < 0 || nIndex >= combo->GetCount()) return false;
    if (!FocusFirst(dialog, *combo)) return true;
    combo->SetCurSel(nIndex);
    dialog.SendCommand(CBN_SELCHANGE, nID);
    return true;
}

bool DialogInput::SelectTab(CDialog& dialog, int nID, int nTab) {
    auto* tab = dynamic_cast<CTabCtrl*>(UsableControl(dialog, nID));
    if (!tab || nTab < 0 || nTab >= tab->GetItemCount()) return false;
    if (!FocusFirst(dialog, *tab)) return true;
    if (tab->GetCurSel() == nTab) return true;  // the tab already shown: nothing changes
    tab->SetCurSel(nTab);
    dialog.SendNotify(*tab, TCN_SELCHANGE, nullptr);
    return true;
}

bool DialogInput::TapRow(CDialog& dialog, int nID, int nRow) {
    auto* list = dynamic_cast<CListCtrl*>(UsableControl(dialog, nID));
    if (!list || nRow < -1 || nRow >= list->GetItemCount()) return false;
    if (!FocusFirst(dialog, *list)) return true;
    list->SetSelectionMark(nRow);
    NMITEMACTIVATE record;
    record.iItem = nRow;
    dialog.SendNotify(*list, NM_CLICK, &record.hdr);
    return true;
}

bool DialogInput::PickDate(CDialog& dialog, int nID, const SYSTEMTIME& date) {
    auto* calendar = dynamic_cast<CMonthCalCtrl*>(UsableControl(dialog, nID));
    if (!calendar) return false;
    if (!FocusFirst(dialog, *calendar)) return true;
    if (!calendar->SetCurSel(date)) return false;
    NMSELCHANGE record;
    calendar->GetCurSel(&record.stSelStart);
    record.stSelEnd = record.stSelStart;
    dialog.SendNotify(*calendar, MCN_SELECT, &record.nmhdr);
    return true;
}

bool DialogInput::MoveFocus(CDialog& dialog, int nID) {
    CWnd* control = UsableControl(dialog, nID);
    if (!control || !control->TakesFocus()) return false;
    dialog.MoveFocus(control);
    return true;
}

bool DialogInput::PressCaptionOk(CDialog& dialog) {
    if (!dialog.IsRunning() || dialog.HasEnded()) return false;
    const DialogTemplate* t = dialog.DialogTemplateData();
    if (!t || !t->captionOkButton) return false;
    dialog.SendCommand(BN_CLICKED, IDOK);
    return true;
}

bool DialogInput::Close(CDialog& dialog) {
    if (!dialog.IsRunning() || dialog.HasEnded()) return false;
    dialog.SendCommand(BN_CLICKED, IDCANCEL);
    return true;
}
