#pragma once
// Stand-in until the dialog is built: it opens on its template and ends.

#include "platform/framework/CDialog.h"

class CShopStartDlg : public CDialog {
public:
    explicit CShopStartDlg(CWnd* pParent = nullptr);
};
