#include "dialogs/CStatsDlg.h"

#include "res/resource.h"

CStatsDlg::CStatsDlg(CWnd* pParent) : CDialog(IDD_STATS, pParent) {}
