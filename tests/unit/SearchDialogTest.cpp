// The search's month steps signal with one beep each, after the new month
// shows and before the list is read; a step refused at the first or last
// four-digit year makes no sound and reads nothing.

#include <algorithm>
#include <string>

#include "tests/support/DatabaseFixture.h"
#include "StepDriver.h"
#include "dialogs/CSearchDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"

namespace {

class SearchDialog : public DatabaseTest {
protected:
    void TearDown() override {
        DeviceClock::UseRealTime();
        DatabaseTest::TearDown();
    }

    long Beeps() const {
        const auto& lines = driver.Transcript();
        return std::count(lines.begin(), lines.end(), std::string("beep"));
    }

    static std::string Month(CDialog& top) {
        return top.GetDlgItem(IDC_SR_EDIT_YEAR)->WindowText().ToUtf8() + "/" +
               top.GetDlgItem(IDC_SR_EDIT_MONTH)->WindowText().ToUtf8();
    }

    StepDriver driver;
    CSearchDlg dlg;
};

TEST_F(SearchDialog, EachStepTakenBeepsOnce) {
    ASSERT_TRUE(DeviceClock::SetToday(2024, 1, 10));
    driver.Then([this](CDialog& top) {
        EXPECT_EQ(Beeps(), 0);
        DialogInput::ClickButton(top, IDC_SR_BTN_PREV);
        EXPECT_EQ(Month(top), "2023/12");
        EXPECT_EQ(Beeps(), 1);
        DialogInput::ClickButton(top, IDC_SR_BTN_NEXT);
        DialogInput::ClickButton(top, IDC_SR_BTN_NEXT);
        EXPECT_EQ(Month(top), "2024/2");
        EXPECT_EQ(Beeps(), 3);
    });
    EXPECT_FALSE(driver.Run(dlg));
}

TEST_F(SearchDialog, AStepRefusedAtTheEndsOfTheYearsIsSilent) {
    ASSERT_TRUE(DeviceClock::SetToday(1000, 1, 5));
    driver.Then([this](CDialog& top) {
        // A month that cannot be read would say so; a refused step reads nothing.
        Sql("alter table ShoppingList_tbl rename column ShpAmount to Amount");
        DialogInput::ClickButton(top, IDC_SR_BTN_PREV);
        EXPECT_EQ(Month(top), "1000/1");
        EXPECT_EQ(Beeps(), 0);
        EXPECT_TRUE(driver.Screen().MessageBoxes().empty());
    });
    EXPECT_FALSE(driver.Run(dlg));
}

} // namespace
