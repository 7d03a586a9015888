#pragma once
// Stand-in until the dialog is built: it opens on its template and ends.

#include "platform/framework/CDialog.h"

class CPaymentDlg : public CDialog {
public:
    explicit CPaymentDlg(CWnd* pParent = nullptr);

    // Set by the opener before the modal run: "NEW" (pay every priced item)
    // or "MODIFY" (one paid trip, which can be undone).
    CString m_strMode;
    CString m_strMgrNo;
    CString m_strShpDate;
    CString m_strStoreName;
};
