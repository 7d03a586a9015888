#include "dialogs/CPaymentDlg.h"

#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "platform/framework/CWinApp.h"
#include "platform/shell/NavigationBar.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CPaymentDlg, CDialog)
    ON_BN_CLICKED(IDC_PM_BTN_PROCESS, OnProcess)
    ON_BN_CLICKED(IDC_PM_BTN_CANCEL, OnCancelPayment)
END_MESSAGE_MAP()

CPaymentDlg::CPaymentDlg(CWnd* pParent) : CDialog(IDD_PAYMENT, pParent) {}

CPaymentDlg::~CPaymentDlg() = default;

void CPaymentDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PM_LIST, m_listItems);
    DDX_Text(pDX, IDC_PM_EDIT_DATE, m_strShpDate);
    DDX_Text(pDX, IDC_PM_EDIT_STORE, m_strStoreName);
}

BOOL CPaymentDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SHSetNavBarText(GetSafeHwnd(), _T("쇼핑금액결제"));
    m_listItems.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listItems.InsertColumn(0, _T("SeqNo"), LVCFMT_LEFT, 0);
    m_listItems.InsertColumn(1, _T("      품   명"), LVCFMT_LEFT, 93);
    m_listItems.InsertColumn(2, _T("Qty"), LVCFMT_RIGHT, 32);
    m_listItems.InsertColumn(3, _T("단위"), LVCFMT_LEFT, 38);
    m_listItems.InsertColumn(4, _T("금 액  "), LVCFMT_RIGHT, 60);
    LoadPaymentList();
    return TRUE;
}

void CPaymentDlg::LoadPaymentList() {
    m_listItems.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listItems.DeleteAllItems();
    CString strList = m_strMode == _T("NEW") ? CString(Sql::kPaymentNewList)
                                             : CStatementBuilder::Format(Sql::kPaymentTripList, {m_strMgrNo, m_strShpDate});
    CDataLoader* pLoader = new CDataLoader(this, IDC_PM_LIST);
    pLoader->Open();
    BOOL bFilled = pLoader->FillControl(strList, _T(""));
    delete pLoader;
    if (!bFilled) {
        // A list cut short would pay, or show as the trip, only some of its
        // items: better nothing at all, and say why.
        m_listItems.DeleteAllItems();
        AfxMessageBox(_T("처리오류"));
    }
    m_strTotal = CNumberRules::TextOrEmptyWhenZero(CNumberRules::SumColumn(m_listItems, 4));
    SetDlgItemText(IDC_PM_EDIT_TOTAL, m_strTotal);
}

void CPaymentDlg::OnProcess() {
    SettlePayment();
}

void CPaymentDlg::SettlePayment() {
    if (m_strMode == _T("MODIFY")) {
        AfxMessageBox(_T("이미 지불완료 되었습니다."));
        return;
    }
    if (m_strTotal.IsEmpty()) return;
    CDataLoader* pLoader = new CDataLoader(this, IDC_PM_LIST);
    pLoader->Open();
    if (!TakeNewTripNumber(*pLoader)) {
        delete pLoader;
        AfxMessageBox(_T("처리오류"));
        return;
    }
    CString strOutcome;
    for (int i = 0; i < m_listItems.GetItemCount(); ++i) {
        CString strSeqNo = m_listItems.GetItemText(i, 0);
        strSeqNo.Trim();
        CString strSettle =
            CStatementBuilder::Format(Sql::kPaymentSettle, {m_strMgrNo, m_strShpDate, m_strStoreName, strSeqNo});
        if (!pLoader->ExecuteUpdate(strSettle)) {
            AfxMessageBox(_T("처리오류"));
            strOutcome = _T("N");
            break;
        }
    }
    delete pLoader;
    if (strOutcome == _T("N")) {
        UndoPayment(_T("ERR"));
        return;
    }
    AfxMessageBox(_T("금액지불 처리완료"));
    CDialog::OnOK();
}

// The largest stored trip number plus one. A failed query, or no row at all
// while there are items to pay, must not pass for "no trip yet": trip 1 may
// belong to a paid trip, whose items would then mix with these.
bool CPaymentDlg::TakeNewTripNumber(CDataLoader& loader) {
    CString strFirstRow = loader.FetchFirstRow(Sql::kLastMgrNo);
    if (loader.LastFailed() || strFirstRow.IsEmpty()) return false;
    return CNumberRules::NextKey(strFirstRow, m_strMgrNo);
}

void CPaymentDlg::UndoPayment(const CString& strReason) {
    CDataLoader* pLoader = new CDataLoader(this, IDC_PM_LIST);
    pLoader->Open();
    CString strOutcome;
    if (!pLoader->ExecuteUpdate(CStatementBuilder::Format(Sql::kPaymentUndo, {m_strMgrNo}))) strOutcome = _T("N");
    delete pLoader;
    // A payment that failed part-way has said so once already.
    if (strReason == _T("ERR")) return;
    if (strOutcome == _T("N")) {
        AfxMessageBox(_T("처리오류"));
        return;
    }
    AfxMessageBox(_T("처리완료"));
    CDialog::OnOK();
}

void CPaymentDlg::OnCancelPayment() {
    // No payment has been tried, so there is no trip to undo: the statement
    // would carry an empty trip number and fail. Cancelling just closes.
    if (m_strMgrNo.IsEmpty()) {
        EndDialog(IDCANCEL);
        return;
    }
    // Undoing a paid trip changes every one of its rows: a slip of the
    // finger must not do it.
    if (m_strMode == _T("MODIFY") &&
        MessageBox(_T("정말 결제를 취소하시겠습니까?"), _T("확인"), MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    UndoPayment(_T(""));
}
