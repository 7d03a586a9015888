// What the shopping dialogs hand on and take back, seen from inside: the
// payment dialog's members (which no scenario can see), the title and the
// list after the payment returns, and the start dialog's own result.

#include <gtest/gtest.h>

#include "tests/support/DatabaseFixture.h"
#include "StepDriver.h"
#include "dialogs/CPaymentDlg.h"
#include "dialogs/CShopItemsDlg.h"
#include "dialogs/CShopStartDlg.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/DialogInput.h"
#include "platform/shell/DeviceClock.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"

namespace {

class ShoppingHandOver : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        DeviceClock::SetToday(2024, 3, 15);
        Sql("insert into ShpStore_tbl values ('이마트'); insert into ShpStore_tbl values ('농협')");
        PlanItem(1, "사과", "2,'개',600,'',0,0,1200,'2024-03-15','농협','',''");
        PlanItem(2, "배", "1,'개',0,'',0,0,0,'','','',''");
    }
    void TearDown() override {
        DeviceClock::UseRealTime();
        DatabaseTest::TearDown();
    }

    static int ListCount(CDialog& top) {
        return dynamic_cast<CListCtrl*>(top.GetDlgItem(IDC_SI_LIST))->GetItemCount();
    }

    StepDriver driver;
};

TEST_F(ShoppingHandOver, ThePaymentGetsTheTripAndTheItemsReloadAfterIt) {
    CShopStartDlg start;
    bool bPaymentShown = false;
    driver.Then([](CDialog& top) {
        ASSERT_EQ(top.TemplateId(), IDD_SHOPSTART);
        ASSERT_TRUE(DialogInput::ClickButton(top, IDC_SS_BTN_CALENDAR));
        SYSTEMTIME day;
        day.wYear = 2023;
        day.wMonth = 11;
        day.wDay = 2;
        ASSERT_TRUE(DialogInput::PickDate(top, IDC_SS_CALENDAR, day));
        ASSERT_TRUE(DialogInput::ChooseEntry(top, IDC_SS_COMBO_STORE, 1));
        ASSERT_TRUE(DialogInput::ClickButton(top, IDC_SS_BTN_START));
    });
    driver.Then([](CDialog& top) {
        ASSERT_TRUE(dynamic_cast<CShopItemsDlg*>(&top));
        EXPECT_EQ(NavigationBar::Title(), CString(u"이마트"));
        EXPECT_EQ(ListCount(top), 2);
        ASSERT_TRUE(DialogInput::ClickButton(top, IDC_SI_BTN_SETTLE));
    });
    driver.Then([&](CDialog& top) {
        auto* pPayment = dynamic_cast<CPaymentDlg*>(&top);
        ASSERT_TRUE(pPayment);
        bPaymentShown = true;
        EXPECT_EQ(pPayment->m_strMode, CString(u"NEW"));
        EXPECT_EQ(pPayment->m_strShpDate, CString(u"2023-11-02"));
        EXPECT_EQ(pPayment->m_strStoreName, CString(u"이마트"));
        EXPECT_TRUE(pPayment->m_strMgrNo.IsEmpty());
        // The payment shows a title of its own and pays the priced item.
        SHSetNavBarText(top.GetSafeHwnd(), u"쇼핑금액결제");
        Sql("update ShoppingList_tbl set MgrNo=1, PayYN='Y' where SeqNo=1");
        ASSERT_TRUE(DialogInput::Close(top));
    });
    driver.Then([](CDialog& top) {
        ASSERT_TRUE(dynamic_cast<CShopItemsDlg*>(&top));
        EXPECT_EQ(NavigationBar::Title(), CString(u"이마트"));
        EXPECT_EQ(ListCount(top), 1);
        // With nothing left to pay, settling opens nothing.
        ASSERT_TRUE(DialogInput::ClickButton(top, IDC_SI_BTN_SETTLE));
        EXPECT_TRUE(dynamic_cast<CShopItemsDlg*>(CDialog::TopDialog()));
        ASSERT_TRUE(DialogInput::Close(top));
    });
    ASSERT_TRUE(driver.Run(start)) << driver.StopReason();
    EXPECT_TRUE(bPaymentShown);
    EXPECT_TRUE(start.HasEnded());
}

TEST_F(ShoppingHandOver, TheStartDialogEndsWithOkWhenTheItemsDialogReturns) {
    CShopStartDlg start;
    driver.Then([](CDialog& top) { ASSERT_TRUE(DialogInput::ClickButton(top, IDC_SS_BTN_START)); });
    driver.Then([](CDialog& top) {
        ASSERT_EQ(top.TemplateId(), IDD_SHOPITEMS);
        ASSERT_TRUE(DialogInput::Close(top));
    });
    INT_PTR nResult = -1;
    try {
        nResult = start.DoModal();
    } catch (const HeadlessStop& stop) {
        FAIL() << "the start dialog stayed open: " << stop.reason;
    }
    EXPECT_EQ(nResult, IDOK);
}

} // namespace
