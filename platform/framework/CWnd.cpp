#include "platform/framework/CWnd.h"

#include "platform/framework/CDialog.h"
#include "platform/framework/WindowSystem.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
    // A member control object that goes before its dialog has ended.
    if (m_pOwnerDialog && m_pTemplate) m_pOwnerDialog->ForgetControl(this);
}

void CWnd::SetWindowText(LPCTSTR text) {
    CString value(text);
    if (value == m_strText) return;
    m_strText = value;
    NotifyPeer(ControlChange::Text);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    bool wasVisible = m_bVisible;
    m_bVisible = nCmdShow != SW_HIDE;
    if (wasVisible != m_bVisible) NotifyPeer(ControlChange::Visibility);
    return wasVisible ? TRUE : FALSE;
}

CWnd* CWnd::GetParent() const {
    return m_pOwnerDialog;
}

CWnd* CWnd::GetDlgItem(int) const {
    return nullptr;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR text) {
    if (CWnd* item = GetDlgItem(nID)) item->SetWindowText(text);
}

void CWnd::GetDlgItemText(int nID, CString& text) const {
    if (CWnd* item = GetDlgItem(nID)) item->GetWindowText(text);
    else text.Empty();
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    auto* dialog = dynamic_cast<CDialog*>(pParent);
    if (!dialog || !dialog->GetDlgItem(static_cast<int>(nID))) return FALSE;
    dialog->AdoptControl(static_cast<int>(nID), *this);
    return TRUE;
}

void CWnd::SetFocus() {
    if (m_pOwnerDialog && m_pTemplate) m_pOwnerDialog->MoveFocus(this);
}

void CWnd::Invalidate(BOOL) {
    NotifyPeer(ControlChange::Repaint);
}

void CWnd::UpdateWindow() {
    NotifyPeer(ControlChange::Repaint);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT nType) {
    MessageBoxRequest request;
    request.owner = this;
    request.text = CString(text);
    request.caption = CString(caption ? caption : u"Error");
    request.type = nType;
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->ShowMessageBox(request) : IDCANCEL;
}

bool CWnd::TakesFocus() const {
    switch (Kind()) {
    case ControlKind::Static:
    case ControlKind::Picture:
        return false;
    default:
        return true;
    }
}

void CWnd::AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) {
    m_pOwnerDialog = &owner;
    m_pTemplate = &entry;
    m_nID = entry.id;
    if (previous) {
        m_strText = previous->m_strText;
        m_bVisible = previous->m_bVisible;
        m_pPeer = previous->m_pPeer;
    } else {
        m_strText = entry.text;
        m_bVisible = !entry.Has(ControlStyle::Hidden);
    }
}

void CWnd::NotifyPeer(ControlChange change, int row, int column) const {
    if (m_pPeer) m_pPeer->OnControlChanged(change, row, column);
}
