// The checkout in NEW mode, driven as its opener drives it: members set, run
// modally, buttons tapped. What it lists, which trip number it gives, what it
// leaves in the file when the database refuses a row or the trip number
// cannot be read, and when "취소" closes without touching anything.

#include <string>
#include <vector>

#include "tests/support/DatabaseFixture.h"
#include "StepDriver.h"
#include "dialogs/CPaymentDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"

namespace {

class PaymentDialog : public DatabaseTest {
protected:
    // A priced item; an empty trip is stored as NULL, as the plan's insert leaves it.
    void Item(int seq, const std::string& product, int amount, const std::string& trip = "NULL",
              const std::string& paid = "", const std::string& date = "2024-03-10",
              const std::string& store = "다른가게") {
        Sql("insert into ShoppingList_tbl values (" + std::to_string(seq) + ",'과일','" + product + "',1,'개'," +
            std::to_string(amount) + ",''," + "0,0," + std::to_string(amount) + ",'" + date + "','" + store + "'," +
            trip + ",'" + paid + "')");
    }

    void OpenNew() {
        dlg.m_strMode = u"NEW";
        dlg.m_strShpDate = u"2024-03-15";
        dlg.m_strStoreName = u"한빛마트";
    }

    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (auto& box : driver.Screen().MessageBoxes()) texts.push_back(box.request.text.ToUtf8());
        return texts;
    }

    static std::string Text(CDialog& top, int nID) { return top.GetDlgItem(nID)->WindowText().ToUtf8(); }

    static std::string Row(CDialog& top, int nRow) {
        auto& list = static_cast<CPaymentDlg&>(top).m_listItems;
        std::string out;
        for (int c = 0; c < list.GetColumnCount(); ++c) out += (c ? "|" : "") + list.GetItemText(nRow, c).ToUtf8();
        return out;
    }

    static int Rows(CDialog& top) { return static_cast<CPaymentDlg&>(top).m_listItems.GetItemCount(); }

    std::string Trips() { return DatabaseTest::Rows("select SeqNo, MgrNo, PayYN, ShpDate, StoreName from ShoppingList_tbl order by SeqNo"); }

    StepDriver driver;
    CPaymentDlg dlg;
};

TEST_F(PaymentDialog, PaysEveryPricedItemAsOneTripUnderTheNextNumber) {
    Item(1, "사과", 1000);
    Item(2, "배", 2500, "0");
    Item(3, "귤", 300, "NULL", "", "2024-03-11", "또다른가게");
    Item(4, "양파", 0);
    Item(5, "감자", -5);
    Item(6, "쌀", 900, "7", "Y", "2024-02-01", "한빛마트");
    OpenNew();
    driver.Then([this](CDialog& top) {
        EXPECT_EQ(NavigationBar::Title(), CString(u"쇼핑금액결제"));
        EXPECT_EQ(Text(top, IDC_PM_EDIT_DATE), "2024-03-15");
        EXPECT_EQ(Text(top, IDC_PM_EDIT_STORE), "한빛마트");
        ASSERT_EQ(Rows(top), 3);
        EXPECT_EQ(Row(top, 0), "3|귤|1|개|300");
        EXPECT_EQ(Row(top, 1), "2|배|1|개|2500");
        EXPECT_EQ(Row(top, 2), "1|사과|1|개|1000");
        EXPECT_EQ(Text(top, IDC_PM_EDIT_TOTAL), "3800");
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
    });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"금액지불 처리완료"});
    EXPECT_EQ(Trips(),
              "1|8|Y|2024-03-15|한빛마트\n"
              "2|8|Y|2024-03-15|한빛마트\n"
              "3|8|Y|2024-03-15|한빛마트\n"
              "4|NULL||2024-03-10|다른가게\n"
              "5|NULL||2024-03-10|다른가게\n"
              "6|7|Y|2024-02-01|한빛마트\n");
}

TEST_F(PaymentDialog, FirstTripIsNumberOneWhenNoTripIsStored) {
    Item(1, "사과", 1000, "0");
    Item(2, "배", 2500);
    Item(3, "양파", 0, "0");
    OpenNew();
    driver.Then([](CDialog& top) { DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS); });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_EQ(DatabaseTest::Rows("select SeqNo, MgrNo, PayYN from ShoppingList_tbl order by SeqNo"),
              "1|1|Y\n2|1|Y\n3|0|\n");
}

TEST_F(PaymentDialog, NothingToPayListsNothingAndCancelClosesWithoutAWord) {
    Item(1, "양파", 0);
    Item(2, "쌀", 900, "3", "Y");
    OpenNew();
    const std::string before = Trips();
    driver.Then([this](CDialog& top) {
        EXPECT_EQ(Rows(top), 0);
        EXPECT_EQ(Text(top, IDC_PM_EDIT_TOTAL), "");
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
        EXPECT_FALSE(top.HasEnded());
        EXPECT_TRUE(BoxTexts().empty());
        DialogInput::ClickButton(top, IDC_PM_BTN_CANCEL);
    });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(Trips(), before);
}

TEST_F(PaymentDialog, CancelBeforeAnyPaymentClosesAndChangesNothing) {
    Item(1, "사과", 1000);
    Item(2, "배", 2500, "0");
    OpenNew();
    const std::string before = Trips();
    driver.Then([](CDialog& top) { DialogInput::ClickButton(top, IDC_PM_BTN_CANCEL); });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(Trips(), before);
}

// A trip number that cannot be read must never become 1: trip 1 is paid here.
TEST_F(PaymentDialog, AnUnreadableTripNumberPaysNothing) {
    Item(1, "사과", 1000, "1", "Y");
    Item(2, "배", 2500);
    OpenNew();
    driver.Then([this](CDialog& top) {
        Sql("alter table ShoppingList_tbl rename column MgrNo to TripNo");
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
        EXPECT_FALSE(top.HasEnded());
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"처리오류"});
        Sql("alter table ShoppingList_tbl rename column TripNo to MgrNo");
        // No number was tried, so there is nothing to undo.
        DialogInput::ClickButton(top, IDC_PM_BTN_CANCEL);
    });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(DatabaseTest::Rows("select SeqNo, MgrNo, PayYN from ShoppingList_tbl order by SeqNo"), "1|1|Y\n2|NULL|\n");
}

TEST_F(PaymentDialog, NoRowForTheTripNumberWhileItemsAreListedIsAFailure) {
    Item(1, "사과", 1000);
    OpenNew();
    driver.Then([this](CDialog& top) {
        Sql("delete from ShoppingList_tbl");
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
        EXPECT_FALSE(top.HasEnded());
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"처리오류"});
    });
    EXPECT_FALSE(driver.Run(dlg));
}

TEST_F(PaymentDialog, ATripNumberBeyondThirtyTwoBitsIsRefused) {
    Item(1, "쌀", 900, "2147483647", "Y");
    Item(2, "배", 2500);
    OpenNew();
    driver.Then([this](CDialog& top) {
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
        EXPECT_FALSE(top.HasEnded());
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"처리오류"});
    });
    EXPECT_FALSE(driver.Run(dlg));
    EXPECT_EQ(DatabaseTest::Rows("select SeqNo, MgrNo, PayYN from ShoppingList_tbl order by SeqNo"),
              "1|2147483647|Y\n2|NULL|\n");
}

// The list runs 귤, 배, 사과; the database refuses 배. The payment is one
// transaction: 귤, paid already, is rolled back with it to exactly what it
// was, its date and shop included, and nothing is left for 취소 to undo.
class RefusedRow : public PaymentDialog {
protected:
    void SetUp() override {
        PaymentDialog::SetUp();
        Item(1, "사과", 1000);
        Item(2, "배", 2500);
        Item(3, "귤", 300);
        Item(4, "쌀", 900, "4", "Y", "2024-02-01", "한빛마트");
        device.Refuse("refuse_pay", "update", "ShoppingList_tbl", "NEW.SeqNo = 2 and NEW.PayYN = 'Y'");
        OpenNew();
        driver.Then([this](CDialog& top) {
            DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
            EXPECT_FALSE(top.HasEnded());
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{"처리오류"});
            EXPECT_EQ(Trips(),
                      "1|NULL||2024-03-10|다른가게\n"
                      "2|NULL||2024-03-10|다른가게\n"
                      "3|NULL||2024-03-10|다른가게\n"
                      "4|4|Y|2024-02-01|한빛마트\n");
            EXPECT_EQ(Rows(top), 3);
            EXPECT_EQ(Text(top, IDC_PM_EDIT_TOTAL), "3800");
        });
    }
};

TEST_F(RefusedRow, ASecondTryPaysAllUnderANumberComputedAfresh) {
    driver.Then([this](CDialog& top) {
        device.Allow("refuse_pay");
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
    });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"처리오류", "금액지불 처리완료"}));
    EXPECT_EQ(DatabaseTest::Rows("select SeqNo, MgrNo, PayYN from ShoppingList_tbl order by SeqNo"),
              "1|5|Y\n2|5|Y\n3|5|Y\n4|4|Y\n");
}

TEST_F(RefusedRow, CancelAfterwardsHasNothingToUndoAndCloses) {
    driver.Then([this](CDialog& top) {
        DialogInput::ClickButton(top, IDC_PM_BTN_CANCEL);
        EXPECT_TRUE(top.HasEnded());
    });
    driver.Run(dlg);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"처리오류"});
    EXPECT_EQ(DatabaseTest::Rows("select SeqNo, MgrNo, PayYN, ShpDate from ShoppingList_tbl order by SeqNo"),
              "1|NULL||2024-03-10\n2|NULL||2024-03-10\n3|NULL||2024-03-10\n4|4|Y|2024-02-01\n");
}

TEST_F(PaymentDialog, AnUndoneTripIsListedAgainAndMayGetItsNumberBack) {
    Item(1, "사과", 1000, "3", "Y", "2024-03-05", "한빛마트");
    Item(2, "배", 2500, "3", "Y", "2024-03-05", "한빛마트");
    Item(3, "쌀", 900, "2", "Y", "2024-03-01", "한빛마트");
    {
        CPaymentDlg modify;
        modify.m_strMode = u"MODIFY";
        modify.m_strMgrNo = u"3";
        modify.m_strShpDate = u"2024-03-05";
        modify.m_strStoreName = u"한빛마트";
        driver.Then([this](CDialog& top) {
            EXPECT_EQ(Rows(top), 2);
            EXPECT_EQ(Text(top, IDC_PM_EDIT_TOTAL), "3500");
            driver.Screen().QueueAnswer(IDYES);
            DialogInput::ClickButton(top, IDC_PM_BTN_CANCEL);
        });
        EXPECT_TRUE(driver.Run(modify));
    }
    OpenNew();
    driver.Then([this](CDialog& top) {
        EXPECT_EQ(Rows(top), 2);
        EXPECT_EQ(Text(top, IDC_PM_EDIT_TOTAL), "3500");
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
    });
    EXPECT_TRUE(driver.Run(dlg));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"정말 결제를 취소하시겠습니까?", "처리완료", "금액지불 처리완료"}));
    EXPECT_EQ(DatabaseTest::Rows("select SeqNo, MgrNo, PayYN, ShpDate from ShoppingList_tbl order by SeqNo"),
              "1|3|Y|2024-03-15\n2|3|Y|2024-03-15\n3|2|Y|2024-03-01\n");
}

TEST_F(PaymentDialog, AListThatCannotBeReadOffersNothingToPay) {
    Item(1, "사과", 1000);
    Sql("alter table ShoppingList_tbl rename column ProdName to Product");
    OpenNew();
    driver.Then([this](CDialog& top) {
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"처리오류"});
        EXPECT_EQ(Rows(top), 0);
        EXPECT_EQ(Text(top, IDC_PM_EDIT_TOTAL), "");
        DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS);
        EXPECT_EQ(BoxTexts().size(), 1u);
    });
    EXPECT_FALSE(driver.Run(dlg));
}

} // namespace
