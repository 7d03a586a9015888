#include "dialogs/CPaymentDlg.h"

#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/NavigationBar.h"
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
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PM_LIST);
    BOOL bFilled = pLoader->FillControl(strList, _T(""));
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
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PM_LIST);
    Outcome outcome = PayListedRows(*pLoader);
    if (outcome != Outcome::Done) {
        // Nothing was paid: there is no trip for 취소 to undo.
        m_strMgrNo.Empty();
        SayFailed(outcome);
        return;
    }
    AfxMessageBox(_T("금액지불 처리완료"));
    CDialog::OnOK();
}

CPaymentDlg::Outcome CPaymentDlg::PayListedRows(CDataLoader& loader) {
    if (!loader.BeginTrans()) return Outcome::Refused;
    if (!TakeNewTripNumber(loader)) return Finish(loader, Outcome::Refused);
    return Finish(loader, SettleRows(loader));
}

CPaymentDlg::Outcome CPaymentDlg::SettleRows(CDataLoader& loader) {
    for (int i = 0; i < m_listItems.GetItemCount(); ++i) {
        CString strSeqNo = ListedSeqNo(i);
        if (!RowAsListed(loader, CStatementBuilder::Format(Sql::kPaymentUnpaidRow, {strSeqNo}), i)) {
            return loader.LastFailed() ? Outcome::Refused : Outcome::ListStale;
        }
        CString strSettle =
            CStatementBuilder::Format(Sql::kPaymentSettle, {m_strMgrNo, m_strShpDate, m_strStoreName, strSeqNo});
        if (!loader.ExecuteUpdate(strSettle)) return Outcome::Refused;
    }
    return Outcome::Done;
}

CPaymentDlg::Outcome CPaymentDlg::Finish(CDataLoader& loader, Outcome outcome) {
    if (outcome == Outcome::Done) return loader.CommitTrans() ? Outcome::Done : Outcome::Refused;
    loader.RollbackTrans();
    return outcome;
}

// The largest stored trip number plus one, read inside the payment's write
// transaction, so no other program can take it before the commit. A failed
// query, or no row at all while there are items to pay, must not pass for
// "no trip yet": trip 1 may belong to a paid trip.
bool CPaymentDlg::TakeNewTripNumber(CDataLoader& loader) {
    CString strFirstRow = loader.FetchFirstRow(Sql::kLastMgrNo);
    if (loader.LastFailed() || strFirstRow.IsEmpty()) return false;
    return CNumberRules::NextKey(strFirstRow, m_strMgrNo);
}

CString CPaymentDlg::ListedSeqNo(int nItem) const {
    CString strSeqNo = m_listItems.GetItemText(nItem, 0);
    strSeqNo.Trim();
    return strSeqNo;
}

bool CPaymentDlg::RowAsListed(CDataLoader& loader, const CString& strStatement, int nItem) {
    CString strListed;
    for (int nColumn = 0; nColumn < 5; ++nColumn) {
        strListed += m_listItems.GetItemText(nItem, nColumn);
        strListed += CDataLoader::kFieldEnd;
    }
    CString strNow = loader.FetchFirstRow(strStatement);
    return !loader.LastFailed() && strNow == strListed;
}

void CPaymentDlg::SayFailed(Outcome outcome) {
    AfxMessageBox(_T("처리오류"));
    if (outcome == Outcome::ListStale) LoadPaymentList();
}

void CPaymentDlg::UndoPayment() {
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PM_LIST);
    Outcome outcome = pLoader->BeginTrans() ? Finish(*pLoader, UndoListedTrip(*pLoader)) : Outcome::Refused;
    if (outcome != Outcome::Done) {
        SayFailed(outcome);
        return;
    }
    AfxMessageBox(_T("처리완료"));
    CDialog::OnOK();
}

// The trip must still be the one listed: the same rows on its date, each as
// shown. Another program may have undone it and paid a new trip that took
// its number since; that trip is not this one to undo.
CPaymentDlg::Outcome CPaymentDlg::UndoListedTrip(CDataLoader& loader) {
    const int nListed = m_listItems.GetItemCount();
    int nRows = loader.CountRows(CStatementBuilder::Format(Sql::kPaymentTripRows, {m_strMgrNo, m_strShpDate}));
    if (loader.LastFailed()) return Outcome::Refused;
    if (nRows != nListed) return Outcome::ListStale;
    for (int i = 0; i < nListed; ++i) {
        CString strRow = CStatementBuilder::Format(Sql::kPaymentTripRow, {ListedSeqNo(i), m_strMgrNo, m_strShpDate});
        if (!RowAsListed(loader, strRow, i)) return loader.LastFailed() ? Outcome::Refused : Outcome::ListStale;
    }
    if (!loader.ExecuteUpdate(CStatementBuilder::Format(Sql::kPaymentUndo, {m_strMgrNo}))) return Outcome::Refused;
    return Outcome::Done;
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
    UndoPayment();
}
