#include "dialogs/CSearchDlg.h"

#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "dialogs/CMonthStepper.h"
#include "dialogs/CPaymentDlg.h"
#include "platform/framework/CTime.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSearchDlg, CDialog)
    ON_BN_CLICKED(IDC_SR_BTN_PREV, OnPrevMonth)
    ON_BN_CLICKED(IDC_SR_BTN_NEXT, OnNextMonth)
    ON_NOTIFY(NM_CLICK, IDC_SR_LIST_TRIPS, OnClickList)
END_MESSAGE_MAP()

CSearchDlg::CSearchDlg(CWnd* pParent) : CDialog(IDD_SEARCH, pParent) {}

CSearchDlg::~CSearchDlg() = default;

void CSearchDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SR_LIST_SCRATCH, m_listScratch);
    DDX_Control(pDX, IDC_SR_LIST_TRIPS, m_listTrips);
}

BOOL CSearchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SHSetNavBarText(GetSafeHwnd(), _T("쇼핑검색"));
    CTime now = CTime::GetCurrentTime();
    m_nYear = now.GetYear();
    m_nMonth = now.GetMonth();
    ShowMonth();
    m_listTrips.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listTrips.InsertColumn(0, _T("MgrNo"), LVCFMT_LEFT, 0);
    m_listTrips.InsertColumn(1, _T("일자"), LVCFMT_CENTER, 36);
    m_listTrips.InsertColumn(2, _T("       쇼 핑 점"), LVCFMT_LEFT, 112);
    m_listTrips.InsertColumn(3, _T("금  액   "), LVCFMT_RIGHT, 70);
    m_listScratch.InsertColumn(0, _T("MgrNo"), LVCFMT_LEFT, 0);
    m_listScratch.InsertColumn(1, _T("Date"), LVCFMT_LEFT, 0);
    m_listScratch.InsertColumn(2, _T("StoreName"), LVCFMT_LEFT, 93);
    m_listScratch.InsertColumn(3, _T("ShpAmount"), LVCFMT_LEFT, 93);
    ReloadList();
    return TRUE;
}

void CSearchDlg::ShowMonth() {
    SetDlgItemText(IDC_SR_EDIT_YEAR, CString::Formatted(_T("%d"), m_nYear));
    SetDlgItemText(IDC_SR_EDIT_MONTH, CString::Formatted(_T("%d"), m_nMonth));
}

// At the first or last four-digit year the step is not taken, and nothing
// shows that it was tried.
void CSearchDlg::OnPrevMonth() {
    if (CMonthStepper::Previous(m_nYear, m_nMonth)) AfterStep();
}

void CSearchDlg::OnNextMonth() {
    if (CMonthStepper::Next(m_nYear, m_nMonth)) AfterStep();
}

void CSearchDlg::AfterStep() {
    ShowMonth();
    MessageBeep(0);
    ReloadList();
}

void CSearchDlg::ReloadList() {
    CString strFrom = CString::Formatted(_T("%.4d-%.2d-01"), m_nYear, m_nMonth);
    CString strTo = CString::Formatted(_T("%.4d-%.2d-31"), m_nYear, m_nMonth);
    m_listScratch.DeleteAllItems();
    m_listTrips.DeleteAllItems();
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_SR_LIST_SCRATCH);
    BOOL bFilled = pLoader->FillControl(CStatementBuilder::Format(Sql::kSearchMonth, {strFrom, strTo}), _T(""));
    if (!bFilled) {
        // Some trips, or a total of only part of the month, would pass for
        // the whole month; an empty month would pass for one without trips.
        m_listScratch.DeleteAllItems();
        SetDlgItemText(IDC_SR_EDIT_TOTAL, _T(""));
        AfxMessageBox(_T("처리오류"));
        return;
    }

    // Rows come ordered by date and trip number, so a trip is a run of rows
    // with equal date and trip number.
    long long nTotal = 0;
    long long nTripSum = 0;
    CString strPrevMgrNo, strPrevDate, strPrevStore;
    for (int i = 0; i < m_listScratch.GetItemCount(); ++i) {
        CString strMgrNo = m_listScratch.GetItemText(i, 0);
        CString strDate = m_listScratch.GetItemText(i, 1);
        CString strStore = m_listScratch.GetItemText(i, 2);
        if (i == 0) {
            strPrevMgrNo = strMgrNo;
            strPrevDate = strDate;
            strPrevStore = strStore;
        }
        if (strDate != strPrevDate || strMgrNo != strPrevMgrNo) {
            AppendTrip(strPrevMgrNo, strPrevDate, strPrevStore, nTripSum);
            nTripSum = 0;
        }
        const int nAmount = CNumberRules::LeadingValue(m_listScratch.GetItemText(i, 3));
        nTripSum += nAmount;
        nTotal += nAmount;
        strPrevMgrNo = strMgrNo;
        strPrevDate = strDate;
        strPrevStore = strStore;
    }
    if (m_listScratch.GetItemCount() > 0) AppendTrip(strPrevMgrNo, strPrevDate, strPrevStore, nTripSum);
    SetDlgItemText(IDC_SR_EDIT_TOTAL, CNumberRules::TextOrEmptyWhenZero(nTotal));
}

void CSearchDlg::AppendTrip(const CString& strMgrNo, const CString& strDate, const CString& strStore, long long nSum) {
    int nRow = m_listTrips.InsertItem(m_listTrips.GetItemCount(), strMgrNo);
    m_listTrips.SetItemText(nRow, 1, strDate.Right(2));
    m_listTrips.SetItemText(nRow, 2, strStore);
    m_listTrips.SetItemText(nRow, 3, CNumberRules::Text(nSum));
}

void CSearchDlg::OnClickList(NMHDR* pNMHDR, LRESULT* pResult) {
    int nItem = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (nItem < 0 || nItem >= m_listTrips.GetItemCount()) return;
    CPaymentDlg* pDlg = new CPaymentDlg();
    pDlg->m_strMode = _T("MODIFY");
    pDlg->m_strMgrNo = m_listTrips.GetItemText(nItem, 0);
    pDlg->m_strShpDate.Format(_T("%.4d-%.2d-%s"), m_nYear, m_nMonth, m_listTrips.GetItemText(nItem, 1));
    pDlg->m_strStoreName = m_listTrips.GetItemText(nItem, 2);
    pDlg->DoModal();
    delete pDlg;
    // The payment dialog left its own title in the navigation bar.
    SHSetNavBarText(GetSafeHwnd(), _T("쇼핑검색"));
    ReloadList();
    *pResult = 0;
}
