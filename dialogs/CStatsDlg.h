#pragma once
// Stand-in until the dialog is built: it opens on its template and ends.

#include "platform/framework/CDialog.h"

class CStatsDlg : public CDialog {
public:
    explicit CStatsDlg(CWnd* pParent = nullptr);
};
