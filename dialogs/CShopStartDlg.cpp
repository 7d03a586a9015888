#include "dialogs/CShopStartDlg.h"

#include "data/CDataLoader.h"
#include "data/Statements.h"
#include "dialogs/CShopItemsDlg.h"
#include "platform/framework/CTime.h"
#include "res/resource.h"

namespace {

CString DateText(int nYear, int nMonth, int nDay) {
    return CString::Formatted(_T("%.4d-%.2d-%.2d"), nYear, nMonth, nDay);
}

} // namespace

BEGIN_MESSAGE_MAP(CShopStartDlg, CDialog)
    ON_BN_CLICKED(IDC_SS_BTN_START, OnStartShopping)
    ON_BN_CLICKED(IDC_SS_BTN_CALENDAR, OnCalendarButton)
    ON_NOTIFY(MCN_SELECT, IDC_SS_CALENDAR, OnCalendarSelect)
    ON_CBN_SELCHANGE(IDC_SS_COMBO_STORE, OnStoreSelChange)
END_MESSAGE_MAP()

CShopStartDlg::CShopStartDlg(CWnd* pParent) : CDialog(IDD_SHOPSTART, pParent) {}

CShopStartDlg::~CShopStartDlg() = default;

void CShopStartDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SS_COMBO_STORE, m_cboStore);
    DDX_Text(pDX, IDC_SS_EDIT_DATE, m_strShpDate);
}

BOOL CShopStartDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CTime today = CTime::GetCurrentTime();
    m_strShpDate = DateText(today.GetYear(), today.GetMonth(), today.GetDay());
    SetDlgItemText(IDC_SS_EDIT_DATE, m_strShpDate);
    ShowCalendar(false);

    CDataLoader* pLoader = new CDataLoader(this, IDC_SS_COMBO_STORE);
    pLoader->Open();
    pLoader->FillControl(Sql::kStoreList, _T("COMBO"));
    delete pLoader;
    return TRUE;
}

void CShopStartDlg::ShowCalendar(bool bShow) {
    GetDlgItem(IDC_SS_CALENDAR)->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    m_strCalendarState = bShow ? _T("ON") : _T("OFF");
}

void CShopStartDlg::OnCalendarButton() {
    ShowCalendar(m_strCalendarState == _T("OFF"));
}

void CShopStartDlg::OnCalendarSelect(NMHDR* pNMHDR, LRESULT* pResult) {
    const SYSTEMTIME& day = reinterpret_cast<NMSELCHANGE*>(pNMHDR)->stSelStart;
    m_strShpDate = DateText(day.wYear, day.wMonth, day.wDay);
    SetDlgItemText(IDC_SS_EDIT_DATE, m_strShpDate);
    ShowCalendar(false);
    *pResult = 0;
}

void CShopStartDlg::OnStoreSelChange() {
    int nSel = m_cboStore.GetCurSel();
    if (nSel == CB_ERR) return;
    m_cboStore.GetLBText(nSel, m_strStoreName);
}

void CShopStartDlg::OnStartShopping() {
    CShopItemsDlg* pDlg = new CShopItemsDlg();
    // The members as they stand: a date or shop typed by hand is no choice
    // made through the calendar or the list, and is not handed over.
    pDlg->m_strShpDate = m_strShpDate;
    pDlg->m_strStoreName = m_strStoreName;
    pDlg->DoModal();
    delete pDlg;
    OnOK();
}
