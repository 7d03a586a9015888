#include "platform/framework/CDataExchange.h"

#include "platform/framework/CButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"

namespace {

CWnd* Item(CDataExchange* pDX, int nIDC) {
    return pDX && pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
}

void ExchangeCombo(CDataExchange* pDX, int nIDC, CString& value, bool exact) {
    auto* combo = dynamic_cast<CComboBox*>(Item(pDX, nIDC));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) {
        combo->GetWindowText(value);
        return;
    }
    int found = value.IsEmpty() ? CB_ERR
                : exact         ? combo->FindStringExact(-1, value)
                                : combo->FindString(-1, value);
    if (found != CB_ERR && (!exact || combo->GetLBText(found) == value)) {
        combo->SetCurSel(found);
    } else {
        combo->SetCurSel(CB_ERR);
        combo->SetWindowText(value);
    }
}

} // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.IsAttached() || !pDX || !pDX->m_pDlgWnd) return;
    if (pDX->m_pDlgWnd->GetDlgItem(nIDC)) pDX->m_pDlgWnd->AdoptControl(nIDC, rControl);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* item = Item(pDX, nIDC);
    if (!item) return;
    if (pDX->m_bSaveAndValidate) item->GetWindowText(value);
    else item->SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    auto* button = dynamic_cast<CButton*>(Item(pDX, nIDC));
    if (!button) return;
    if (pDX->m_bSaveAndValidate) value = button->GetCheck();
    else button->SetCheck(value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    ExchangeCombo(pDX, nIDC, value, false);
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    ExchangeCombo(pDX, nIDC, value, true);
}
