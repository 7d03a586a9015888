#include "platform/framework/CButton.h"

void CButton::SetCheck(int nCheck) {
    if (m_nCheck == nCheck) return;
    m_nCheck = nCheck;
    NotifyPeer(ControlChange::Check);
}

void CButton::AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) {
    if (auto* before = dynamic_cast<CButton*>(previous)) m_nCheck = before->m_nCheck;
    CWnd::AttachControl(owner, entry, previous);
}
