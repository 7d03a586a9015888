#pragma once
// A tab control: a row of tabs, one of them selected. The first tab inserted
// becomes the selected one.

#include <vector>

#include "platform/framework/CWnd.h"

class CTabCtrl : public CWnd {
public:
    int InsertItem(int nItem, LPCTSTR text);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    int GetCurSel() const { return m_nCurSel; }
    int SetCurSel(int nItem);
    CString GetItemText(int nItem) const;
    BOOL DeleteAllItems();

    void AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) override;

private:
    std::vector<CString> m_items;
    int m_nCurSel = -1;
};
