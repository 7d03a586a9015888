#pragma once
// Dialog data exchange: copies bound controls into members (in, save and
// validate) or members into controls (out).

#include "platform/framework/CString.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
};

// Makes the member object the dialog's control nID (only the first time).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// An edit's (or any control's) window text.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A check box's state, 0 or 1.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A combo box by the text of its edit field. Out: the first entry that
// begins with the text is selected, or else the text is put into the field.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
// As DDX_CBString, but out selects only an entry equal to the text, so the
// field always shows the member's text exactly.
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
