#include "platform/framework/CListCtrl.h"

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    DWORD old = m_dwExStyle;
    m_dwExStyle = dwNewStyle;
    NotifyPeer(ControlChange::Style);
    return old;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR heading, int nFormat, int nWidth, int) {
    if (nCol < 0 || nCol > GetColumnCount()) nCol = GetColumnCount();
    m_columns.insert(m_columns.begin() + nCol, ListColumn{CString(heading), nFormat, nWidth < 0 ? 0 : nWidth});
    for (auto& row : m_rows) {
        if (static_cast<int>(row.size()) > nCol) row.insert(row.begin() + nCol, CString());
    }
    NotifyPeer(ControlChange::Columns);
    return nCol;
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    if (nCol < 0 || nCol >= GetColumnCount()) return FALSE;
    m_columns.erase(m_columns.begin() + nCol);
    for (auto& row : m_rows) {
        if (static_cast<int>(row.size()) > nCol) row.erase(row.begin() + nCol);
    }
    NotifyPeer(ControlChange::Columns);
    return TRUE;
}

int CListCtrl::InsertItem(int nItem, CString text) {
    if (nItem < 0 || nItem > GetItemCount()) nItem = GetItemCount();
    std::vector<CString> row;
    row.reserve(m_columns.size() > 0 ? m_columns.size() : 1);
    row.push_back(std::move(text));
    m_rows.insert(m_rows.begin() + nItem, std::move(row));
    if (m_nSelected >= nItem) ++m_nSelected;
    NotifyPeer(ControlChange::RowInserted, nItem);
    return nItem;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, CString text) {
    if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0) return FALSE;
    if (nSubItem > 0 && nSubItem >= GetColumnCount()) return FALSE;
    auto& row = m_rows[nItem];
    if (static_cast<int>(row.size()) <= nSubItem) row.resize(nSubItem + 1);
    row[nSubItem] = std::move(text);
    NotifyPeer(ControlChange::Cell, nItem, nSubItem);
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0) return CString();
    const auto& row = m_rows[nItem];
    return nSubItem < static_cast<int>(row.size()) ? row[nSubItem] : CString();
}

BOOL CListCtrl::DeleteItem(int nItem) {
    if (nItem < 0 || nItem >= GetItemCount()) return FALSE;
    m_rows.erase(m_rows.begin() + nItem);
    if (m_nSelected == nItem) m_nSelected = -1;
    else if (m_nSelected > nItem) --m_nSelected;
    NotifyPeer(ControlChange::Rows);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    m_rows.clear();
    m_nSelected = -1;
    NotifyPeer(ControlChange::Rows);
    return TRUE;
}

void CListCtrl::SetSelectionMark(int nItem) {
    m_nSelected = (nItem >= 0 && nItem < GetItemCount()) ? nItem : -1;
    NotifyPeer(ControlChange::Selection);
}

void CListCtrl::AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) {
    if (auto* before = dynamic_cast<CListCtrl*>(previous)) {
        m_columns = before->m_columns;
        m_rows = before->m_rows;
        m_dwExStyle = before->m_dwExStyle;
        m_nSelected = before->m_nSelected;
    }
    CWnd::AttachControl(owner, entry, previous);
}
