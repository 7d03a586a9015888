#include "dialogs/CStatsDlg.h"

#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "dialogs/CMonthStepper.h"
#include "platform/framework/CTime.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"

namespace {

struct ReportColumn {
    const char16_t* title;  // blanks are part of the title
    int format;
    int width;
};

// The seven report kinds, in the order of the combo box: the index is the kind.
struct ReportKind {
    const char16_t* entry;
    bool monthly;
    const char16_t* statement;
    ReportColumn columns[3];
    int columnCount;
};

const ReportKind kKinds[] = {
    {u"분류별 월별현황", true, Sql::kStatsByCategory,
     {{u"          분 류 명", LVCFMT_LEFT, 132}, {u"쇼핑금액    ", LVCFMT_RIGHT, 90}, {}}, 2},
    {u"분류별 년간현황", false, Sql::kStatsByCategory,
     {{u"          분 류 명", LVCFMT_LEFT, 132}, {u"쇼핑금액    ", LVCFMT_RIGHT, 90}, {}}, 2},
    {u"쇼핑점 월별현황", true, Sql::kStatsByStore,
     {{u"        쇼 핑 점", LVCFMT_LEFT, 122}, {u"횟수", LVCFMT_LEFT, 36}, {u"쇼핑금액", LVCFMT_RIGHT, 64}}, 3},
    {u"쇼핑점 년간현황", false, Sql::kStatsByStore,
     {{u"        쇼 핑 점", LVCFMT_LEFT, 122}, {u"횟수", LVCFMT_LEFT, 36}, {u"쇼핑금액", LVCFMT_RIGHT, 64}}, 3},
    {u"월별 총쇼핑현황", false, Sql::kStatsByDate,
     {{u"    월", LVCFMT_LEFT, 56}, {u"횟수", LVCFMT_CENTER, 56}, {u"쇼핑금액     ", LVCFMT_RIGHT, 110}}, 3},
    {u"품목별 월별현황", true, Sql::kStatsByProduct,
     {{u"          품    목", LVCFMT_LEFT, 132}, {u"쇼핑금액   ", LVCFMT_RIGHT, 90}, {}}, 2},
    {u"품목별 년간현황", false, Sql::kStatsByProduct,
     {{u"          품    목", LVCFMT_LEFT, 132}, {u"쇼핑금액   ", LVCFMT_RIGHT, 90}, {}}, 2},
};
constexpr int kKindCount = sizeof kKinds / sizeof kKinds[0];

const ReportKind* KindOf(int nKind) {
    return nKind >= 0 && nKind < kKindCount ? &kKinds[nKind] : nullptr;
}

const ReportColumn kScratchColumns[] = {
    {u"ShpDate", LVCFMT_LEFT, 10},  {u"MgrNo", LVCFMT_LEFT, 10},    {u"StoreName", LVCFMT_LEFT, 10},
    {u"Category", LVCFMT_LEFT, 10}, {u"ProdName", LVCFMT_LEFT, 10}, {u"ShpAmount", LVCFMT_LEFT, 10},
};

// Group keys and labels of the two trip-counting reports.
CString ShopOfRow(const CListCtrl& list, int nRow) {
    return list.GetItemText(nRow, CStatsDlg::kColShop);
}

// 'YYYY-MM' of the date: the statement orders by date, so one month's rows
// come together.
CString MonthOfRow(const CListCtrl& list, int nRow) {
    return list.GetItemText(nRow, CStatsDlg::kColDate).Left(7);
}

CString ShopLabel(const CString& strKey) {
    return strKey;
}

CString MonthLabel(const CString& strKey) {
    return CString::Formatted(u" %s월", strKey.Mid(5, 2));
}

} // namespace

BEGIN_MESSAGE_MAP(CStatsDlg, CDialog)
    ON_BN_CLICKED(IDC_ST_BTN_PREV, OnPrevPeriod)
    ON_BN_CLICKED(IDC_ST_BTN_NEXT, OnNextPeriod)
    ON_CBN_SELCHANGE(IDC_ST_COMBO_KIND, OnSelchangeKind)
END_MESSAGE_MAP()

CStatsDlg::CStatsDlg(CWnd* pParent) : CDialog(IDD_STATS, pParent) {}

CStatsDlg::~CStatsDlg() = default;

void CStatsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ST_LIST_SCRATCH, m_listScratch);
    DDX_Control(pDX, IDC_ST_LIST_REPORT, m_listReport);
    DDX_Control(pDX, IDC_ST_COMBO_KIND, m_comboKind);
}

BOOL CStatsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SHSetNavBarText(GetSafeHwnd(), _T("통계보기"));
    for (const ReportKind& kind : kKinds) m_comboKind.AddString(kind.entry);
    SetDlgItemText(IDC_ST_EDIT_PERIOD, _T(""));
    SetToday();
    for (int i = 0; i < 6; ++i) {
        m_listScratch.InsertColumn(i, kScratchColumns[i].title, kScratchColumns[i].format, kScratchColumns[i].width);
    }
    return TRUE;
}

void CStatsDlg::SetToday() {
    CTime today = CTime::GetCurrentTime();
    m_nYear = today.GetYear();
    m_nMonth = today.GetMonth();
}

bool CStatsDlg::IsMonthlyKind() const {
    const ReportKind* pKind = KindOf(m_nKind);
    return pKind && pKind->monthly;
}

void CStatsDlg::ShowPeriod() {
    CString strPeriod;
    if (IsMonthlyKind()) strPeriod.Format(_T("%.4d년%.2d월"), m_nYear, m_nMonth);
    else strPeriod.Format(_T("%d년"), m_nYear);
    SetDlgItemText(IDC_ST_EDIT_PERIOD, strPeriod);
}

void CStatsDlg::OnSelchangeKind() {
    m_nKind = m_comboKind.GetCurSel();
    SetToday();
    ShowPeriod();
    ReplaceReportColumns();
    RefreshReport();
}

void CStatsDlg::ReplaceReportColumns() {
    while (m_listReport.DeleteColumn(0)) {
    }
    m_listReport.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    const ReportKind* pKind = KindOf(m_nKind);
    if (!pKind) return;
    for (int i = 0; i < pKind->columnCount; ++i) {
        const ReportColumn& column = pKind->columns[i];
        m_listReport.InsertColumn(i, column.title, column.format, column.width);
    }
}

void CStatsDlg::OnPrevPeriod() {
    StepPeriod(false);
}

void CStatsDlg::OnNextPeriod() {
    StepPeriod(true);
}

// Dates are compared as four-digit texts, so a period outside the years
// 1000 to 9999 could never be reported: the step is not taken.
void CStatsDlg::StepPeriod(bool bForward) {
    if (IsMonthlyKind()) {
        bool bStepped = bForward ? CMonthStepper::Next(m_nYear, m_nMonth) : CMonthStepper::Previous(m_nYear, m_nMonth);
        if (!bStepped) return;
    } else {
        const int nYear = m_nYear + (bForward ? 1 : -1);
        if (nYear < CMonthStepper::kFirstYear || nYear > CMonthStepper::kLastYear) return;
        m_nYear = nYear;
    }
    ShowPeriod();
    RefreshReport();
}

void CStatsDlg::RefreshReport() {
    CString strFrom;
    CString strTo;
    if (IsMonthlyKind()) {
        strFrom.Format(_T("%.4d-%.2d-01"), m_nYear, m_nMonth);
        strTo.Format(_T("%.4d-%.2d-31"), m_nYear, m_nMonth);
    } else {
        strFrom.Format(_T("%.4d-01-01"), m_nYear);
        strTo.Format(_T("%.4d-12-31"), m_nYear);
    }
    m_listScratch.DeleteAllItems();
    const ReportKind* pKind = KindOf(m_nKind);
    if (!pKind) return;

    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_ST_LIST_SCRATCH);
    BOOL bLoaded = pLoader->FillControl(CStatementBuilder::Format(pKind->statement, {strFrom, strTo}), _T(""));
    if (!bLoaded) {
        ShowLoadFailure();
        return;
    }
    switch (m_nKind) {
    case 0:
    case 1: BuildCategoryReport(); break;
    case 2:
    case 3: BuildShopReport(); break;
    case 4: BuildMonthReport(); break;
    default: BuildProductReport(); break;
    }
}

// A query that did not run, or stopped part-way, must not pass for a period
// without spending or for smaller sums: the report is left empty, without
// even the blank row an empty period shows, and the user is told.
void CStatsDlg::ShowLoadFailure() {
    m_listScratch.DeleteAllItems();
    m_listReport.DeleteAllItems();
    AfxMessageBox(_T("처리오류"));
}

void CStatsDlg::BuildCategoryReport() {
    BuildAmountReport(kColCategory);
}

void CStatsDlg::BuildProductReport() {
    BuildAmountReport(kColProduct);
}

void CStatsDlg::BuildShopReport() {
    BuildTripReport(ShopOfRow, ShopLabel);
}

void CStatsDlg::BuildMonthReport() {
    BuildTripReport(MonthOfRow, MonthLabel);
}

int CStatsDlg::AppendReportRow(const CString& strLabel) {
    return m_listReport.InsertItem(m_listReport.GetItemCount(), strLabel);
}

// One pass: the statement's order puts each group's rows together, so a
// group ends where the key changes.
void CStatsDlg::BuildAmountReport(int nKeyColumn) {
    m_listReport.DeleteAllItems();
    long long nTotal = 0;
    long long nGroupSum = 0;
    CString strPrevKey;
    for (int nRow = 0; nRow < m_listScratch.GetItemCount(); ++nRow) {
        CString strKey = m_listScratch.GetItemText(nRow, nKeyColumn);
        const int nAmount = CNumberRules::LeadingValue(m_listScratch.GetItemText(nRow, kColAmount));
        if (nRow == 0) strPrevKey = strKey;
        if (strKey != strPrevKey) {
            int nItem = AppendReportRow(strPrevKey);
            m_listReport.SetItemText(nItem, 1, CNumberRules::Text(nGroupSum));
            nGroupSum = 0;
        }
        nGroupSum += nAmount;
        nTotal += nAmount;
        strPrevKey = std::move(strKey);
    }
    if (nGroupSum != 0) {
        int nItem = AppendReportRow(strPrevKey);
        m_listReport.SetItemText(nItem, 1, CNumberRules::Text(nGroupSum));
    }
    AppendReportRow(CString());
    if (nTotal != 0) {
        int nItem = AppendReportRow(_T("<총계>"));
        m_listReport.SetItemText(nItem, 1, CNumberRules::Text(nTotal));
    }
}

// As the amount report, and a trip is counted where its run of rows ends:
// the rows of one trip come together within a group, since a trip has one
// date and one shop. The trip still open after the last row is the last
// group's final one.
void CStatsDlg::BuildTripReport(KeyOfRow keyOf, LabelOfKey labelOf) {
    m_listReport.DeleteAllItems();
    long long nTotal = 0;
    long long nTotalTrips = 0;
    long long nGroupSum = 0;
    long long nGroupTrips = 0;
    CString strPrevKey;
    CString strPrevTrip;
    for (int nRow = 0; nRow < m_listScratch.GetItemCount(); ++nRow) {
        CString strTrip = m_listScratch.GetItemText(nRow, kColTrip);
        CString strKey = keyOf(m_listScratch, nRow);
        const int nAmount = CNumberRules::LeadingValue(m_listScratch.GetItemText(nRow, kColAmount));
        if (nRow == 0) {
            strPrevKey = strKey;
            strPrevTrip = strTrip;
        }
        const bool bNewGroup = strKey != strPrevKey;
        if (bNewGroup || strTrip != strPrevTrip) {
            ++nGroupTrips;
            ++nTotalTrips;
        }
        if (bNewGroup) {
            int nItem = AppendReportRow(labelOf(strPrevKey));
            m_listReport.SetItemText(nItem, 1, CNumberRules::Text(nGroupTrips));
            m_listReport.SetItemText(nItem, 2, CNumberRules::Text(nGroupSum));
            nGroupTrips = 0;
            nGroupSum = 0;
        }
        nGroupSum += nAmount;
        nTotal += nAmount;
        strPrevKey = std::move(strKey);
        strPrevTrip = std::move(strTrip);
    }
    if (nGroupSum != 0) {
        ++nTotalTrips;
        int nItem = AppendReportRow(labelOf(strPrevKey));
        m_listReport.SetItemText(nItem, 1, CNumberRules::Text(nGroupTrips + 1));
        m_listReport.SetItemText(nItem, 2, CNumberRules::Text(nGroupSum));
    }
    AppendReportRow(CString());
    if (nTotal != 0) {
        int nItem = AppendReportRow(_T("<총계>"));
        m_listReport.SetItemText(nItem, 1, CNumberRules::Text(nTotalTrips));
        m_listReport.SetItemText(nItem, 2, CNumberRules::Text(nTotal));
    }
}
