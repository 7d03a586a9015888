#pragma once
// A list view in report view: columns with title, alignment and width, and
// rows of cell texts. Rows stay in the order they are inserted. A column of
// width 0 is invisible and carries data for the program.

#include <vector>

#include "platform/framework/CWnd.h"

struct ListColumn {
    CString title;
    int format = LVCFMT_LEFT;
    int width = 0;  // device pixels
};

class CListCtrl : public CWnd {
public:
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const { return m_dwExStyle; }

    int InsertColumn(int nCol, LPCTSTR heading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    // Deletes a column and its cells; FALSE when there is no such column.
    BOOL DeleteColumn(int nCol);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const ListColumn& Column(int nCol) const { return m_columns.at(nCol); }

    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    // Inserts a row with its first cell; a position past the end appends.
    int InsertItem(int nItem, LPCTSTR text) { return InsertItem(nItem, CString(text)); }
    int InsertItem(int nItem, CString text);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR text) { return SetItemText(nItem, nSubItem, CString(text)); }
    BOOL SetItemText(int nItem, int nSubItem, CString text);
    // The text of a cell; empty for a row or column that does not exist.
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();

    // The row last tapped, -1 when none.
    int GetSelectionMark() const { return m_nSelected; }
    void SetSelectionMark(int nItem);

    void AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) override;

private:
    std::vector<ListColumn> m_columns;
    std::vector<std::vector<CString>> m_rows;
    DWORD m_dwExStyle = 0;
    int m_nSelected = -1;
};
