#include "tests/support/CScreenTestDlg.h"

#include <gtest/gtest.h>

#include "platform/framework/CButton.h"
#include "platform/framework/CWinApp.h"

using namespace ScreenTestIds;

namespace {

void Register(const char* text) {
    DialogTemplate t;
    std::string error;
    ASSERT_TRUE(DialogTemplate::Parse(text, t, error)) << error;
    DialogTemplate::Register(t);
}

} // namespace

void CScreenTestDlg::RegisterTemplates() {
    Register(R"(
DIALOG 9101
CAPTION "Test"
SIZE 150 196
FONT 9 "굴림체"
STYLE POPUP CAPTION SYSMENU
EXSTYLE CAPTIONOKBTN
CONTROL 10 EDIT 20 2 60 12 "" BORDER TABSTOP
CONTROL 11 EDIT 20 16 60 12 "" BORDER RIGHT TABSTOP
CONTROL 12 COMBOBOX 20 30 60 80 "" DROPDOWN VSCROLL TABSTOP
CONTROL 13 BUTTON 90 2 40 12 "저장" PUSHBUTTON TABSTOP
CONTROL 15 CHECKBOX 90 16 40 10 "쿠폰" AUTOCHECKBOX TABSTOP
CONTROL 19 BUTTON 132 2 24 12 "묻기" PUSHBUTTON
CONTROL 20 BUTTON 132 16 24 12 "알림" PUSHBUTTON
CONTROL 21 BUTTON 132 30 24 12 "열기" PUSHBUTTON
CONTROL 22 BUTTON 90 30 20 12 "채움" PUSHBUTTON
CONTROL 23 BUTTON 110 30 20 12 "바꿈" PUSHBUTTON
CONTROL 16 TAB 1 44 130 20 "Tab1"
CONTROL 14 LISTVIEW 1 66 130 46 "List1" REPORT BORDER TABSTOP
CONTROL 17 MONTHCAL 1 114 75 79 "" NOTODAY
CONTROL 18 STATIC 80 114 40 10 "라벨" LEFT
)");
    Register(R"(
DIALOG 9102
CAPTION "Child"
SIZE 140 100
FONT 9 "굴림체"
STYLE POPUP CAPTION SYSMENU MODALFRAME
CONTROL 30 EDIT 10 10 60 12 "" BORDER TABSTOP
)");
}

BEGIN_MESSAGE_MAP(CScreenTestDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_NAME, OnNameKillFocus)
    ON_EN_KILLFOCUS(IDC_PRICE, OnPriceKillFocus)
    ON_BN_CLICKED(IDC_SAVE, OnSave)
    ON_CBN_SELCHANGE(IDC_KIND, OnSelchangeKind)
    ON_BN_CLICKED(IDC_COUPON, OnCoupon)
    ON_NOTIFY(NM_CLICK, IDC_LIST, OnClickList)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnSelchangeTabs)
    ON_NOTIFY(MCN_SELECT, IDC_CALENDAR, OnSelectCalendar)
    ON_BN_CLICKED(IDC_ASK, OnAsk)
    ON_BN_CLICKED(IDC_NOTICE, OnNotice)
    ON_BN_CLICKED(IDC_OPEN, OnOpen)
    ON_BN_CLICKED(IDC_FILL, OnFill)
    ON_BN_CLICKED(IDC_CHANGE, OnChange)
END_MESSAGE_MAP()

CScreenTestDlg::CScreenTestDlg() : CDialog(kTemplate) {}

BOOL CScreenTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_comboKind.AddString(u"채소");
    m_comboKind.AddString(u"과일");
    m_comboKind.SetCurSel(0);
    m_tabs.InsertItem(0, u"분류");
    m_tabs.InsertItem(1, u"품명");
    m_listItems.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listItems.InsertColumn(0, u"순번", LVCFMT_LEFT, 0);
    m_listItems.InsertColumn(1, u" 품 명 ", LVCFMT_LEFT, 60);
    m_listItems.InsertColumn(2, u"금액", LVCFMT_RIGHT, 50);
    m_listItems.InsertColumn(3, u"비고", LVCFMT_LEFT, 0);
    const char16_t* names[] = {u"사과", u"배", u"감"};
    for (int i = 0; i < 3; ++i) {
        int row = m_listItems.InsertItem(i, CString::Formatted(u"%d", i + 1));
        m_listItems.SetItemText(row, 1, names[i]);
        m_listItems.SetItemText(row, 2, u"1000");
        m_listItems.SetItemText(row, 3, u"숨김");
    }
    return TRUE;
}

void CScreenTestDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KIND, m_comboKind);
    DDX_Control(pDX, IDC_LIST, m_listItems);
    DDX_Control(pDX, IDC_TABS, m_tabs);
    DDX_Control(pDX, IDC_CALENDAR, m_calendar);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_Text(pDX, IDC_PRICE, m_strPrice);
    DDX_CBString(pDX, IDC_KIND, m_strKind);
    DDX_Check(pDX, IDC_COUPON, m_bCoupon);
}

void CScreenTestDlg::OnNameKillFocus() {
    m_events.push_back("name lost focus");
    if (m_bHidePriceOnNameLoss) GetDlgItem(IDC_PRICE)->ShowWindow(SW_HIDE);
}

void CScreenTestDlg::OnSelchangeKind() {
    m_events.push_back("kind " + m_comboKind.GetLBText(m_comboKind.GetCurSel()).ToUtf8());
}

void CScreenTestDlg::OnCoupon() {
    auto* coupon = static_cast<CButton*>(GetDlgItem(IDC_COUPON));
    m_events.push_back("coupon " + std::to_string(coupon->GetCheck()));
}

void CScreenTestDlg::OnClickList(NMHDR* pNMHDR, LRESULT* pResult) {
    m_events.push_back("row " + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem));
    *pResult = 0;
}

void CScreenTestDlg::OnSelchangeTabs(NMHDR*, LRESULT* pResult) {
    m_events.push_back("tab " + std::to_string(m_tabs.GetCurSel()));
    *pResult = 0;
}

void CScreenTestDlg::OnSelectCalendar(NMHDR* pNMHDR, LRESULT* pResult) {
    const SYSTEMTIME& day = reinterpret_cast<NMSELCHANGE*>(pNMHDR)->stSelStart;
    m_events.push_back(CString::Formatted(u"date %.4d-%.2d-%.2d", day.wYear, day.wMonth, day.wDay).ToUtf8());
    *pResult = 0;
}

void CScreenTestDlg::OnAsk() {
    int answer = MessageBox(u"지울까요?", u"삭제", MB_YESNO | MB_ICONQUESTION);
    m_events.push_back(answer == IDYES ? "answer yes" : answer == IDNO ? "answer no" : "answer other");
}

void CScreenTestDlg::OnNotice() {
    m_events.push_back(AfxMessageBox(u"저장되었습니다") == IDOK ? "notice ok" : "notice other");
}

void CScreenTestDlg::OnOpen() {
    auto* child = new CDialog(kChildTemplate);
    child->DoModal();
    delete child;
    m_events.push_back("child closed");
}

void CScreenTestDlg::OnFill() {
    m_listItems.DeleteAllItems();
    for (int i = 0; i < m_nFillRows; ++i) {
        int row = m_listItems.InsertItem(i, CString::Formatted(u"%d", i));
        m_listItems.SetItemText(row, 1, u"품목");
        m_listItems.SetItemText(row, 2, CString::Formatted(u"%d", i * 10));
    }
    m_events.push_back("filled");
}

void CScreenTestDlg::OnChange() {
    // Everything the program may change on its own; none of it is the person's.
    m_comboKind.SetCurSel(1);
    static_cast<CButton*>(GetDlgItem(IDC_COUPON))->SetCheck(BST_CHECKED);
    m_tabs.SetCurSel(1);
    SYSTEMTIME day;
    day.wYear = 2024;
    day.wMonth = 3;
    day.wDay = 1;
    m_calendar.SetCurSel(day);
    SetDlgItemText(IDC_NAME, u"새 이름");
    m_listItems.SetSelectionMark(2);
    GetDlgItem(IDC_LABEL)->ShowWindow(SW_HIDE);
    m_events.push_back("changed");
}
