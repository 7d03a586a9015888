#pragma once
// Stand-in until the dialog is built: it opens on its template and ends.

#include "platform/framework/CDialog.h"

class CSearchDlg : public CDialog {
public:
    explicit CSearchDlg(CWnd* pParent = nullptr);
};
