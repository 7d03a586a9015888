#include "dialogs/CSearchDlg.h"

#include "res/resource.h"

CSearchDlg::CSearchDlg(CWnd* pParent) : CDialog(IDD_SEARCH, pParent) {}
