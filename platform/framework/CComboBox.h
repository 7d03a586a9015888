#pragma once
// A combo box: an edit field (the window text) and a drop-down list. A combo
// box with the sorted style files each new entry in order, ignoring letter case.

#include <vector>

#include "platform/framework/CWnd.h"

constexpr int CB_ERR = -1;

class CComboBox : public CWnd {
public:
    int AddString(LPCTSTR text);
    int InsertString(int nIndex, LPCTSTR text);
    // Removes every entry and empties the edit field.
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    int GetCurSel() const { return m_nCurSel; }
    // Selects an entry and shows its text in the edit field; -1 selects none and
    // empties the field.
    int SetCurSel(int nSelect);
    void GetLBText(int nIndex, CString& text) const;
    CString GetLBText(int nIndex) const;
    // The first entry after nStartAfter that begins with the text (FindString)
    // or equals it (FindStringExact), letter case ignored; CB_ERR when none.
    int FindString(int nStartAfter, LPCTSTR text) const;
    int FindStringExact(int nStartAfter, LPCTSTR text) const;
    // Selects the first entry that begins with the text, as FindString finds it.
    int SelectString(int nStartAfter, LPCTSTR text);

    bool IsSorted() const { return HasStyle(ControlStyle::Sort); }
    const std::vector<CString>& Entries() const { return m_entries; }
    void AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) override;

private:
    int Find(int nStartAfter, LPCTSTR text, bool exact) const;

    std::vector<CString> m_entries;
    int m_nCurSel = CB_ERR;
};
