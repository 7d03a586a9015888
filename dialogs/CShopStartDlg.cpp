#include "dialogs/CShopStartDlg.h"

#include "res/resource.h"

CShopStartDlg::CShopStartDlg(CWnd* pParent) : CDialog(IDD_SHOPSTART, pParent) {}
