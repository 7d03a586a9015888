#include "platform/framework/CDialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/framework/CButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CEdit.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CMonthCalCtrl.h"
#include "platform/framework/CStatic.h"
#include "platform/framework/CTabCtrl.h"
#include "platform/framework/DialogWatcher.h"
#include "platform/framework/WindowSystem.h"

namespace {

std::vector<CDialog*>& Running() {
    static std::vector<CDialog*> running;
    return running;
}

std::unique_ptr<CWnd> MakeControl(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit: return std::make_unique<CEdit>();
    case ControlKind::Button:
    case ControlKind::CheckBox: return std::make_unique<CButton>();
    case ControlKind::ComboBox: return std::make_unique<CComboBox>();
    case ControlKind::ListView: return std::make_unique<CListCtrl>();
    case ControlKind::Tab: return std::make_unique<CTabCtrl>();
    case ControlKind::MonthCal: return std::make_unique<CMonthCalCtrl>();
    case ControlKind::Static:
    case ControlKind::Picture: break;
    }
    return std::make_unique<CStatic>();
}

// Whether a member object of that class can stand for a control of that kind.
bool CanStandFor(const CWnd& member, ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit: return dynamic_cast<const CEdit*>(&member) != nullptr;
    case ControlKind::Button:
    case ControlKind::CheckBox: return dynamic_cast<const CButton*>(&member) != nullptr;
    case ControlKind::ComboBox: return dynamic_cast<const CComboBox*>(&member) != nullptr;
    case ControlKind::ListView: return dynamic_cast<const CListCtrl*>(&member) != nullptr;
    case ControlKind::Tab: return dynamic_cast<const CTabCtrl*>(&member) != nullptr;
    case ControlKind::MonthCal: return dynamic_cast<const CMonthCalCtrl*>(&member) != nullptr;
    case ControlKind::Static:
    case ControlKind::Picture: return dynamic_cast<const CStatic*>(&member) != nullptr;
    }
    return false;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    ReleaseControls();
}

const std::vector<CDialog*>& CDialog::RunningDialogs() {
    return Running();
}

CDialog* CDialog::TopDialog() {
    return Running().empty() ? nullptr : Running().back();
}

INT_PTR CDialog::DoModal() {
    m_pDialogTemplate = DialogTemplate::Find(static_cast<int>(m_nIDTemplate));
    WindowSystem* ws = WindowSystem::Current();
    if (!m_pDialogTemplate || !ws) return -1;
    CreateControls();
    m_bRunning = true;
    m_bEnded = false;
    m_nResult = IDCANCEL;
    m_strText = m_pDialogTemplate->caption;
    Running().push_back(this);
    struct Guard {
        CDialog& dialog;
        WindowSystem& ws;
        ~Guard() {
            DialogWatcher::TellEnded(dialog);
            ws.DestroyDialogWindow(dialog);
            auto& running = Running();
            running.erase(std::remove(running.begin(), running.end(), &dialog), running.end());
            dialog.ReleaseControls();
            dialog.m_bRunning = false;
        }
    } guard{*this, *ws};
    ws->CreateDialogWindow(*this);
    if (OnInitDialog() && !m_bEnded && !m_pFocus) FocusFirstTabStop();
    DialogWatcher::TellOpened(*this);
    if (!m_bEnded) ws->RunModalLoop(*this);
    return m_nResult;
}

void CDialog::PointAtRefusedField(int nID) {
    if (WindowSystem* ws = WindowSystem::Current(); ws && m_bRunning && !m_bEnded) ws->FieldRefused(*this, nID);
}

void CDialog::EndDialog(int nResult) {
    m_nResult = nResult;
    m_bEnded = true;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

CWnd* CDialog::GetDlgItem(int nID) const {
    return ControlById(nID);
}

CWnd* CDialog::ControlById(int nID) const {
    if (nID == -1) return nullptr;
    for (CWnd* control : m_controls) {
        if (control->GetDlgCtrlID() == nID) return control;
    }
    return nullptr;
}

void CDialog::SetIcon(HICON hIcon, BOOL bBigIcon) {
    (bBigIcon ? m_hBigIcon : m_hSmallIcon) = hIcon;
}

void CDialog::CenterWindow(CWnd*) {
    // The device shows one dialog at a time over the whole screen below the
    // navigation bar; it is always where centring would put it.
}

void CDialog::CreateControls() {
    ReleaseControls();
    for (const ControlTemplate& entry : m_pDialogTemplate->controls) {
        auto control = MakeControl(entry.kind);
        control->AttachControl(*this, entry, nullptr);
        m_controls.push_back(control.get());
        m_ownControls.push_back(std::move(control));
    }
}

void CDialog::ReleaseControls() {
    for (CWnd* control : m_controls) {
        control->m_pPeer = nullptr;
        control->m_pOwnerDialog = nullptr;
        control->m_pTemplate = nullptr;
    }
    m_controls.clear();
    m_ownControls.clear();
    m_pFocus = nullptr;
}

void CDialog::ForgetControl(CWnd* control) {
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
    if (m_pFocus == control) m_pFocus = nullptr;
}

void CDialog::AdoptControl(int nID, CWnd& member) {
    auto at = std::find_if(m_controls.begin(), m_controls.end(), [&](CWnd* c) { return c->GetDlgCtrlID() == nID; });
    if (at == m_controls.end() || *at == &member) return;
    CWnd* previous = *at;
    if (!CanStandFor(member, previous->Kind())) {
        std::fprintf(stderr, "dialog %u: the member bound to control %d is not a %s\n", m_nIDTemplate, nID,
                     ControlKindName(previous->Kind()));
        std::abort();
    }
    member.AttachControl(*this, *previous->m_pTemplate, previous);
    if (m_pFocus == previous) m_pFocus = &member;
    *at = &member;
    if (member.m_pPeer) member.m_pPeer->ControlReplaced(member);
    previous->m_pPeer = nullptr;
}

void CDialog::FocusFirstTabStop() {
    for (CWnd* control : m_controls) {
        if (control->HasStyle(ControlStyle::TabStop) && control->IsWindowVisible() && control->TakesFocus()) {
            m_pFocus = control;
            return;
        }
    }
}

void CDialog::MoveFocus(CWnd* pControl) {
    if (pControl == m_pFocus) return;
    CWnd* old = m_pFocus;
    m_pFocus = pControl;
    if (old && old->Kind() == ControlKind::Edit) SendCommand(EN_KILLFOCUS, old->GetDlgCtrlID());
}

void CDialog::SendCommand(UINT nCode, int nID) {
    DispatchCommand(nCode, nID);
    if (nCode == EN_KILLFOCUS) DialogWatcher::TellFieldLeft(*this, nID);
    if (nCode == BN_CLICKED) DialogWatcher::TellCommandDone(*this, nID);
}

void CDialog::DispatchCommand(UINT nCode, int nID) {
    if (OnCmdMsg(nCode, nID, nullptr, nullptr)) return;
    if (nCode != BN_CLICKED) return;
    if (nID == IDOK) OnOK();
    if (nID == IDCANCEL) OnCancel();
}

LRESULT CDialog::SendNotify(CWnd& from, UINT nCode, NMHDR* pRecord) {
    NMHDR plain;
    NMHDR* header = pRecord ? pRecord : &plain;
    header->hwndFrom = &from;
    header->idFrom = static_cast<UINT_PTR>(from.GetDlgCtrlID());
    header->code = nCode;
    LRESULT result = 0;
    OnCmdMsg(nCode, from.GetDlgCtrlID(), header, &result);
    if (nCode == NM_CLICK && from.Kind() == ControlKind::ListView && pRecord) {
        DialogWatcher::TellRowChosen(*this, from.GetDlgCtrlID(), reinterpret_cast<NMITEMACTIVATE*>(pRecord)->iItem);
    }
    return result;
}
