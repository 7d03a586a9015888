#include "platform/framework/CTabCtrl.h"

int CTabCtrl::InsertItem(int nItem, LPCTSTR text) {
    if (nItem < 0 || nItem > GetItemCount()) nItem = GetItemCount();
    m_items.insert(m_items.begin() + nItem, CString(text));
    if (m_nCurSel < 0) m_nCurSel = 0;
    else if (m_nCurSel >= nItem && GetItemCount() > 1) ++m_nCurSel;
    NotifyPeer(ControlChange::Items);
    return nItem;
}

int CTabCtrl::SetCurSel(int nItem) {
    if (nItem < 0 || nItem >= GetItemCount()) return -1;
    int old = m_nCurSel;
    m_nCurSel = nItem;
    NotifyPeer(ControlChange::Selection);
    return old;
}

CString CTabCtrl::GetItemText(int nItem) const {
    return (nItem >= 0 && nItem < GetItemCount()) ? m_items[nItem] : CString();
}

BOOL CTabCtrl::DeleteAllItems() {
    m_items.clear();
    m_nCurSel = -1;
    NotifyPeer(ControlChange::Items);
    return TRUE;
}

void CTabCtrl::AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) {
    if (auto* before = dynamic_cast<CTabCtrl*>(previous)) {
        m_items = before->m_items;
        m_nCurSel = before->m_nCurSel;
    }
    CWnd::AttachControl(owner, entry, previous);
}
