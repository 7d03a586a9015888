#include "dialogs/CPaymentDlg.h"

#include "res/resource.h"

CPaymentDlg::CPaymentDlg(CWnd* pParent) : CDialog(IDD_PAYMENT, pParent) {}
