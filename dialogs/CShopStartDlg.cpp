#include "dialogs/CShopStartDlg.h"

#include "data/CDataLoader.h"
#include "data/Statements.h"
#include "dialogs/CShopItemsDlg.h"
#include "platform/framework/CTime.h"
#include "platform/framework/CWinApp.h"
#include "platform/shell/CivilDate.h"
#include "res/resource.h"

namespace {

CString DateText(int nYear, int nMonth, int nDay) {
    return CString::Formatted(_T("%.4d-%.2d-%.2d"), nYear, nMonth, nDay);
}

// "YYYY-MM-DD" of a day on the calendar, in the years the dialogs count.
bool IsCalendarDate(const CString& strDate) {
    if (strDate.GetLength() != 10 || strDate[4] != u'-' || strDate[7] != u'-') return false;
    int nParts[3] = {0, 0, 0};
    int nPart = 0;
    for (int i = 0; i < 10; ++i) {
        if (i == 4 || i == 7) {
            ++nPart;
            continue;
        }
        if (strDate[i] < u'0' || strDate[i] > u'9') return false;
        nParts[nPart] = nParts[nPart] * 10 + (strDate[i] - u'0');
    }
    return nParts[0] >= 1000 && CivilDate{nParts[0], nParts[1], nParts[2]}.Exists();
}

} // namespace

// The shops were listed from the database when the dialog opened; a name is
// one of them only when it is equal, letter for letter.
bool CShopStartDlg::IsListedStore(const CString& strStore) {
    for (int i = 0; i < m_cboStore.GetCount(); ++i) {
        CString strEntry;
        m_cboStore.GetLBText(i, strEntry);
        if (strEntry == strStore) return true;
    }
    return false;
}

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

    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_SS_COMBO_STORE);
    pLoader->FillControl(Sql::kStoreList, _T("COMBO"));
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
    // What the fields show is the trip, whether typed or picked: a typed
    // date must be a day of the calendar, a typed shop a stored shop.
    CString strDate;
    CString strStore;
    GetDlgItemText(IDC_SS_EDIT_DATE, strDate);
    GetDlgItemText(IDC_SS_COMBO_STORE, strStore);
    if (!IsCalendarDate(strDate) || (!strStore.IsEmpty() && !IsListedStore(strStore))) {
        AfxMessageBox(_T("입력이 오류."));
        return;
    }
    m_strShpDate = strDate;
    m_strStoreName = strStore;
    CShopItemsDlg* pDlg = new CShopItemsDlg();
    pDlg->m_strShpDate = m_strShpDate;
    pDlg->m_strStoreName = m_strStoreName;
    pDlg->DoModal();
    delete pDlg;
    OnOK();
}
