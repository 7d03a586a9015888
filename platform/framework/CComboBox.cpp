#include "platform/framework/CComboBox.h"

#include "platform/shell/AsciiCase.h"


int CComboBox::AddString(LPCTSTR text) {
    CString entry(text);
    int at = GetCount();
    if (IsSorted()) {
        at = 0;
        while (at < GetCount() && AsciiCase::Compare(m_entries[at].str(), entry.str()) <= 0) ++at;
    }
    return InsertString(at, text);
}

int CComboBox::InsertString(int nIndex, LPCTSTR text) {
    if (nIndex < 0 || nIndex > GetCount()) nIndex = GetCount();
    m_entries.insert(m_entries.begin() + nIndex, CString(text));
    if (m_nCurSel >= nIndex) ++m_nCurSel;
    NotifyPeer(ControlChange::Items);
    return nIndex;
}

void CComboBox::ResetContent() {
    m_entries.clear();
    m_nCurSel = CB_ERR;
    m_strText.Empty();
    NotifyPeer(ControlChange::Items);
    NotifyPeer(ControlChange::Text);
}

int CComboBox::SetCurSel(int nSelect) {
    if (nSelect < 0 || nSelect >= GetCount()) {
        m_nCurSel = CB_ERR;
        SetWindowText(u"");
        NotifyPeer(ControlChange::Selection);
        return CB_ERR;
    }
    m_nCurSel = nSelect;
    SetWindowText(m_entries[nSelect]);
    NotifyPeer(ControlChange::Selection);
    return nSelect;
}

void CComboBox::GetLBText(int nIndex, CString& text) const {
    text = GetLBText(nIndex);
}

CString CComboBox::GetLBText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) return CString();
    return m_entries[nIndex];
}

int CComboBox::Find(int nStartAfter, LPCTSTR text, bool exact) const {
    CString wanted(text);
    int count = GetCount();
    int first = (nStartAfter < 0 || nStartAfter >= count) ? 0 : nStartAfter + 1;
    for (int n = 0; n < count; ++n) {
        int i = (first + n) % count;
        if (exact ? AsciiCase::Equal(m_entries[i].str(), wanted.str())
                  : AsciiCase::StartsWith(m_entries[i].str(), wanted.str())) return i;
    }
    return CB_ERR;
}

int CComboBox::FindString(int nStartAfter, LPCTSTR text) const {
    return Find(nStartAfter, text, false);
}

int CComboBox::FindStringExact(int nStartAfter, LPCTSTR text) const {
    return Find(nStartAfter, text, true);
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR text) {
    int found = FindString(nStartAfter, text);
    if (found != CB_ERR) SetCurSel(found);
    return found;
}

void CComboBox::AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) {
    if (auto* before = dynamic_cast<CComboBox*>(previous)) {
        m_entries = before->m_entries;
        m_nCurSel = before->m_nCurSel;
    }
    CWnd::AttachControl(owner, entry, previous);
}
