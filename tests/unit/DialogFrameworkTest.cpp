// The dialog framework on the headless window system: message maps, data
// exchange, focus loss before a tap's action, and the controls' own rules.

#include <gtest/gtest.h>

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CTabCtrl.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/DialogInput.h"
#include "StepDriver.h"
#include "tests/support/CScreenTestDlg.h"

namespace {

constexpr int kTestTemplate = 9001;
constexpr int IDC_NAME = 10;
constexpr int IDC_PRICE = 11;
constexpr int IDC_KIND = 12;
constexpr int IDC_SAVE = 13;
constexpr int IDC_LIST = 14;
constexpr int IDC_COUPON = 15;
constexpr int IDC_TABS = 16;
constexpr int IDC_SORTED = 17;
constexpr int IDC_LABEL = 18;

void RegisterTestTemplate() {
    DialogTemplate t;
    std::string error;
    bool ok = DialogTemplate::Parse(R"(
DIALOG 9001
CAPTION "Test"
SIZE 140 150
FONT 9 "굴림체"
CONTROL 18 STATIC 1 1 20 10 "라벨" CENTER
CONTROL 10 EDIT 20 2 60 12 "" BORDER TABSTOP
CONTROL 11 EDIT 20 16 60 12 "" BORDER RIGHT TABSTOP
CONTROL 12 COMBOBOX 20 30 60 80 "" DROPDOWN VSCROLL TABSTOP
CONTROL 17 COMBOBOX 20 44 60 80 "" DROPDOWN SORT TABSTOP
CONTROL 15 CHECKBOX 90 2 30 10 "쿠폰" AUTOCHECKBOX TABSTOP
CONTROL 13 BUTTON 90 16 30 14 "저장" PUSHBUTTON TABSTOP
CONTROL 16 TAB 1 58 130 20 "Tab1"
CONTROL 14 LISTVIEW 1 80 130 60 "List1" REPORT BORDER TABSTOP
)", t, error);
    ASSERT_TRUE(ok) << error;
    DialogTemplate::Register(t);
}

// A small dialog in the program's style, recording what reached its handlers.
class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(kTestTemplate) {}

    CString m_strName;
    CString m_strPrice;
    CString m_strKind;
    int m_bCoupon = 0;
    CComboBox m_comboKind;
    CListCtrl m_listItems;
    std::vector<std::string> m_events;
    int m_nClickedRow = -2;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_KIND, m_comboKind);
        DDX_Control(pDX, IDC_LIST, m_listItems);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_PRICE, m_strPrice);
        DDX_CBString(pDX, IDC_KIND, m_strKind);
        DDX_Check(pDX, IDC_COUPON, m_bCoupon);
    }
    void OnSave() { m_events.push_back("save"); }
    void OnPriceKillFocus() { m_events.push_back("price lost focus"); }
    void OnNameKillFocus() { m_events.push_back("name lost focus"); }
    void OnSelchangeKind() { m_events.push_back("kind " + m_comboKind.GetLBText(m_comboKind.GetCurSel()).ToUtf8()); }
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult) {
        m_nClickedRow = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
        m_events.push_back("list click");
        *pResult = 0;
    }
    void OnSelchangeTab(NMHDR*, LRESULT*) { m_events.push_back("tab change"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_BN_CLICKED(IDC_SAVE, OnSave)
    ON_EN_KILLFOCUS(IDC_PRICE, OnPriceKillFocus)
    ON_EN_KILLFOCUS(IDC_NAME, OnNameKillFocus)
    ON_CBN_SELCHANGE(IDC_KIND, OnSelchangeKind)
    ON_NOTIFY(NM_CLICK, IDC_LIST, OnClickList)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnSelchangeTab)
END_MESSAGE_MAP()

class DialogFramework : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestTemplate(); }
    StepDriver driver;
    CTestDlg dlg;
};

TEST_F(DialogFramework, ExchangesEveryBoundControlBothWays) {
    driver.Then([](CDialog& top) {
        auto& d = static_cast<CTestDlg&>(top);
        d.m_comboKind.AddString(u"과일");
        d.m_comboKind.AddString(u"채소");
        d.m_strName = u"사과";
        d.m_strKind = u"채소";
        d.m_bCoupon = 1;
        d.UpdateData(FALSE);
        EXPECT_EQ(d.GetDlgItem(IDC_NAME)->WindowText(), CString(u"사과"));
        EXPECT_EQ(d.m_comboKind.GetCurSel(), 1);
        EXPECT_EQ(d.m_comboKind.WindowText(), CString(u"채소"));

        DialogInput::TypeText(d, IDC_NAME, u"  배 ");
        DialogInput::TypeText(d, IDC_KIND, u"곡물");  // typed into the combo's edit field
        DialogInput::ClickButton(d, IDC_COUPON);
        d.UpdateData(TRUE);
        EXPECT_EQ(d.m_strName, CString(u"  배 "));
        EXPECT_EQ(d.m_strKind, CString(u"곡물"));
        EXPECT_EQ(d.m_comboKind.GetCurSel(), CB_ERR);
        EXPECT_EQ(d.m_bCoupon, 0);
    });
    EXPECT_FALSE(driver.Run(dlg));
}

TEST_F(DialogFramework, ComboExchangeOutPutsAnUnknownTextIntoTheField) {
    driver.Then([](CDialog& top) {
        auto& d = static_cast<CTestDlg&>(top);
        d.m_comboKind.AddString(u"과일");
        d.m_strKind = u"없는분류";
        d.UpdateData(FALSE);
        EXPECT_EQ(d.m_comboKind.GetCurSel(), CB_ERR);
        EXPECT_EQ(d.m_comboKind.WindowText(), CString(u"없는분류"));
        d.m_strKind = u"과";  // a prefix of an entry selects that entry
        d.UpdateData(FALSE);
        EXPECT_EQ(d.m_comboKind.WindowText(), CString(u"과일"));
    });
    driver.Run(dlg);
}

TEST_F(DialogFramework, LeavingAnEditTellsItBeforeTheTapActs) {
    driver.Then([](CDialog& top) { DialogInput::TypeText(top, IDC_PRICE, u"1200"); });
    driver.Then([](CDialog& top) { DialogInput::ClickButton(top, IDC_SAVE); });
    driver.Then([](CDialog& top) { DialogInput::TypeText(top, IDC_NAME, u"x"); });
    driver.Then([](CDialog& top) { DialogInput::TapRow(top, IDC_LIST, -1); });
    driver.Then([](CDialog& top) { DialogInput::MoveFocus(top, IDC_LIST); });  // already there: nothing
    driver.Run(dlg);
    std::vector<std::string> expected = {"name lost focus", "price lost focus", "save", "name lost focus", "list click"};
    EXPECT_EQ(dlg.m_events, expected);
    EXPECT_EQ(dlg.m_nClickedRow, -1);
}

TEST_F(DialogFramework, FirstTabStopHasTheFocusAfterInitialisation) {
    driver.Then([](CDialog& top) {
        EXPECT_EQ(top.FocusedControl(), top.GetDlgItem(IDC_NAME));
        DialogInput::ClickButton(top, IDC_SAVE);
    });
    driver.Run(dlg);
    std::vector<std::string> expected = {"name lost focus", "save"};
    EXPECT_EQ(dlg.m_events, expected);
}

TEST_F(DialogFramework, OnlyAPickFromTheListIsASelectionChange) {
    driver.Then([](CDialog& top) {
        auto& d = static_cast<CTestDlg&>(top);
        d.m_comboKind.AddString(u"과일");
        d.m_comboKind.AddString(u"채소");
        d.m_comboKind.SetCurSel(0);  // the program's own change
        DialogInput::TypeText(d, IDC_KIND, u"채소");
        EXPECT_TRUE(DialogInput::ChooseEntry(d, IDC_KIND, 1));
        EXPECT_FALSE(DialogInput::ChooseEntry(d, IDC_KIND, 2));
    });
    driver.Run(dlg);
    std::vector<std::string> expected = {"name lost focus", "kind 채소"};
    EXPECT_EQ(dlg.m_events, expected);
}

TEST_F(DialogFramework, ActionsOnHiddenOrMissingControlsDoNothing) {
    driver.Then([](CDialog& top) {
        top.GetDlgItem(IDC_SAVE)->ShowWindow(SW_HIDE);
        EXPECT_FALSE(DialogInput::ClickButton(top, IDC_SAVE));
        EXPECT_FALSE(DialogInput::ClickButton(top, 4242));
        EXPECT_FALSE(DialogInput::ClickButton(top, IDC_NAME));  // an edit is no button
        EXPECT_FALSE(DialogInput::TapRow(top, IDC_LIST, 0));    // no such row
        top.GetDlgItem(IDC_SAVE)->ShowWindow(SW_SHOW);
        EXPECT_TRUE(DialogInput::ClickButton(top, IDC_SAVE));
    });
    driver.Run(dlg);
    EXPECT_EQ(dlg.m_events.back(), "save");
}

TEST_F(DialogFramework, TabChangeIsReportedOnlyForAnotherTab) {
    driver.Then([](CDialog& top) {
        auto* tabs = static_cast<CTabCtrl*>(top.GetDlgItem(IDC_TABS));
        tabs->InsertItem(0, u" 분류명 ");
        tabs->InsertItem(1, u" 품 명 ");
        EXPECT_EQ(tabs->GetCurSel(), 0);
        DialogInput::SelectTab(top, IDC_TABS, 0);
        DialogInput::SelectTab(top, IDC_TABS, 1);
        EXPECT_EQ(tabs->GetCurSel(), 1);
    });
    driver.Run(dlg);
    std::vector<std::string> expected = {"name lost focus", "tab change"};
    EXPECT_EQ(dlg.m_events, expected);
}

TEST_F(DialogFramework, OkExchangesInAndEndsCancelJustEnds) {
    driver.Then([](CDialog& top) {
        DialogInput::TypeText(top, IDC_NAME, u"우유");
        top.SendCommand(BN_CLICKED, IDOK);
    });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_EQ(dlg.m_strName, CString(u"우유"));

    CTestDlg second;
    driver.Then([](CDialog& top) {
        DialogInput::TypeText(top, IDC_NAME, u"빵");
        DialogInput::Close(top);
    });
    EXPECT_TRUE(driver.Run(second));
    EXPECT_TRUE(second.m_strName.IsEmpty());
    EXPECT_FALSE(DialogInput::PressCaptionOk(second));  // not running any more
}

TEST_F(DialogFramework, MemberControlsAreTheDialogsControlsWhileItRuns) {
    driver.Then([](CDialog& top) {
        auto& d = static_cast<CTestDlg&>(top);
        EXPECT_EQ(d.GetDlgItem(IDC_LIST), &d.m_listItems);
        EXPECT_EQ(d.GetDlgItem(IDC_LABEL)->WindowText(), CString(u"라벨"));
        EXPECT_EQ(d.GetDlgItem(-1), nullptr);
    });
    driver.Run(dlg);
    EXPECT_FALSE(dlg.m_listItems.IsAttached());
}

TEST_F(DialogFramework, MessageBoxesAreAnsweredFromTheQueue) {
    driver.Screen().QueueAnswer(IDNO);
    driver.Then([](CDialog& top) {
        EXPECT_EQ(top.MessageBox(u"변경하시겠읍까 ?", u"변경(Yes)/추가(No)", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
        EXPECT_EQ(AfxMessageBox(u"저장완료"), IDOK);
        EXPECT_EQ(top.MessageBox(u"중복되는 내용입니다.", u"확인", MB_OK | MB_ICONSTOP), IDOK);
    });
    driver.Then([](CDialog& top) { top.MessageBox(u"정말 삭제하시겠습니까?", u"확인", MB_YESNO | MB_ICONQUESTION); });
    EXPECT_FALSE(driver.Run(dlg));
    EXPECT_NE(driver.StopReason().find("no answer queued"), std::string::npos);
    auto& boxes = driver.Screen().MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_FALSE(boxes[0].request.isNotice);
    EXPECT_TRUE(boxes[1].request.isNotice);
    EXPECT_EQ(boxes[1].request.caption, AfxGetApp() ? AfxGetApp()->AppTitle() : CString(u"cartavel"));
    EXPECT_EQ(HeadlessWindowSystem::IconName(boxes[2].request.type), "stop");
}

// The screen suite's dialog, run headless: a calendar pick of a day that is
// not on the calendar reaches no handler and leaves the selection alone.
TEST(DialogFrameworkCalendar, APickOfADayThatDoesNotExistDoesNothing) {
    CScreenTestDlg::RegisterTemplates();
    StepDriver driver;
    CScreenTestDlg dlg;
    auto day = [](int year, int month, int date) {
        SYSTEMTIME d;
        d.wYear = static_cast<WORD>(year);
        d.wMonth = static_cast<WORD>(month);
        d.wDay = static_cast<WORD>(date);
        return d;
    };
    driver.Then([&](CDialog& top) {
        EXPECT_TRUE(DialogInput::PickDate(top, ScreenTestIds::IDC_CALENDAR, day(2024, 2, 29)));
        EXPECT_FALSE(DialogInput::PickDate(top, ScreenTestIds::IDC_CALENDAR, day(2023, 2, 31)));
        EXPECT_FALSE(DialogInput::PickDate(top, ScreenTestIds::IDC_CALENDAR, day(2023, 4, 31)));
        SYSTEMTIME selected;
        static_cast<CScreenTestDlg&>(top).m_calendar.GetCurSel(&selected);
        EXPECT_EQ(selected.wYear, 2024);
        EXPECT_EQ(selected.wMonth, 2);
        EXPECT_EQ(selected.wDay, 29);
    });
    driver.Run(dlg);
    std::vector<std::string> expected = {"name lost focus", "date 2024-02-29"};
    EXPECT_EQ(dlg.m_events, expected);
}

} // namespace
