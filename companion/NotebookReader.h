#pragma once
// Reads the notebook through the program's own data loader, so that the
// panel sees whatever engine the program runs on: the loader fills a list
// that no dialog shows, and the companion reads its cells.

#include "platform/framework/CListCtrl.h"

class NotebookReader : public CWnd {
public:
    // Runs a SELECT of `columns` fields; false when it failed (a failed
    // query is never taken for "no rows").
    bool Read(const CString& statement, int columns);
    int Rows() const { return m_list.GetItemCount(); }
    CString Cell(int row, int column) const { return m_list.GetItemText(row, column); }
    int Number(int row, int column) const;
    const CListCtrl& List() const { return m_list; }

    CWnd* GetDlgItem(int nID) const override;

    static constexpr int kListId = 1;

private:
    mutable CListCtrl m_list;
};
