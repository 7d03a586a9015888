// The shopping companion beside the device's screen, on the offscreen
// screen, following a trip in the shopping items dialog.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <cstdlib>

#include "ScreenTest.h"
#include "companion/BudgetBook.h"
#include "dialogs/CShopItemsDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/desktop/CompanionPanel.h"
#include "platform/qt/desktop/DeskWindow.h"
#include "platform/shell/DeviceClock.h"
#include "tests/support/TestDevice.h"

namespace {

class CompanionScreen : public ScreenTest {
protected:
    void SetUp() override {
        device.Create("companion-panel");
        setenv("XDG_CONFIG_HOME", (device.Root() / "config").c_str(), 1);
        QSettings(QStringLiteral("cartavel"), QStringLiteral("cartavel")).clear();
        DeviceClock::SetToday(2024, 3, 15);
        const std::string columns = "insert into ShoppingList_tbl values ";
        device.Sql(columns + "(1,'과일','사과',1,'개',1000,'',0,0,1000,'2024-03-01','갑마트',1,'Y');" + columns +
                   "(2,'과일','사과',1,'개',800,'',0,0,800,'2024-03-02','을마트',2,'Y');" + columns +
                   "(3,'과일','사과',2,'개',0,'',0,0,0,'','','','')");
        CString problem;
        ASSERT_TRUE(BudgetBook::Set(u"과일", u"5000", problem));
    }
    void TearDown() override {
        desk.reset();
        DeviceClock::UseRealTime();
        device.Remove();
    }
    template <typename T>
    T* Named(const char* name) const { return desk->findChild<T*>(QString::fromLatin1(name)); }
    QString Cell(const char* table, int row, int column) const {
        QTableWidgetItem* item = Named<QTableWidget>(table)->item(row, column);
        return item ? item->text() : QString();
    }

    TestDevice device;
    std::unique_ptr<DeskWindow> desk;
};

TEST_F(CompanionScreen, PanelFollowsAPricingAndASaveAndHidesFromTheViewMenu) {
    desk = std::make_unique<DeskWindow>(m_screen, device.Root(), false, false);
    desk->show();
    CShopItemsDlg items;
    items.m_strShpDate = u"2024-03-15";
    items.m_strStoreName = u"갑마트";
    Run(items, [&](CDialog& shown) {
        ASSERT_TRUE(DialogInput::TapRow(shown, 1012, 0));
        EXPECT_EQ(Named<QTableWidget>("memory")->rowCount(), 2);
        EXPECT_EQ(Cell("memory", 0, 0), QStringLiteral("을마트"));
        EXPECT_EQ(Cell("memory", 1, 1), QStringLiteral("1000"));
        ASSERT_TRUE(DialogInput::TypeText(shown, 1017, u"1200"));
        ASSERT_TRUE(DialogInput::MoveFocus(shown, 1028));
        EXPECT_TRUE(Named<QLabel>("memory-note")->text().contains(QStringLiteral("10% 넘게")));
        EXPECT_EQ(Cell("budget", 0, 3), QStringLiteral("0"));  // nothing priced yet
        ASSERT_TRUE(DialogInput::ClickButton(shown, 1010));
        EXPECT_EQ(Cell("budget", 0, 2), QStringLiteral("1800"));
        EXPECT_EQ(Cell("budget", 0, 3), QStringLiteral("2400"));
        EXPECT_EQ(Cell("budget", 0, 5), QStringLiteral("예산의 80%를 넘었습니다"));
        EXPECT_EQ(Named<QLabel>("budget-warnings")->text(), Cell("budget", 0, 0) + QStringLiteral(": 예산의 80%를 넘었습니다"));
        EXPECT_EQ(Named<QTableWidget>("budget")->item(0, 0)->background().color(), QColor(0xF8, 0xD0, 0x70));
        // The basket page reads the plan when it is shown.
        Named<QTabWidget>("companion-tabs")->setCurrentIndex(1);
        EXPECT_EQ(Cell("basket", 0, 0), QStringLiteral("을마트"));
        EXPECT_EQ(Cell("basket", 0, 2), QStringLiteral("1/1"));
        desk->findChild<QAction*>(QStringLiteral("companion"))->trigger();
        EXPECT_FALSE(Named<QWidget>("companion")->isVisible());
        DialogInput::Close(shown);
    });
}

TEST_F(CompanionScreen, BudgetStepsThroughTheMonthsWithinTheFourDigitYears) {
    desk = std::make_unique<DeskWindow>(m_screen, device.Root(), false, false);
    desk->show();
    Named<QTabWidget>("companion-tabs")->setCurrentIndex(2);
    auto* back = Named<QPushButton>("budget-previous");
    auto* forth = Named<QPushButton>("budget-next");
    EXPECT_EQ(Named<QLabel>("budget-head")->text(), QStringLiteral("2024년 03월 예산"));
    EXPECT_EQ(Cell("budget", 0, 2), QStringLiteral("1800"));
    back->click();
    EXPECT_EQ(Named<QLabel>("budget-head")->text(), QStringLiteral("2024년 02월 예산"));
    EXPECT_EQ(Cell("budget", 0, 2), QStringLiteral("0"));  // a month with nothing paid
    EXPECT_EQ(Cell("budget", 0, 4), QStringLiteral("5000"));
    for (int i = 0; i < 11; ++i) forth->click();
    EXPECT_EQ(Named<QLabel>("budget-head")->text(), QStringLiteral("2025년 01월 예산"));
    // The ends of the years: the button that would leave them is off, and
    // stepping there anyway reads nothing new.
    CompanionSession& session = Named<CompanionPanel>("companion")->Session();
    session.ShowMonth(u"9999-12");
    EXPECT_FALSE(forth->isEnabled());
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(session.StepMonth(+1));
    EXPECT_EQ(session.Month(), CString(u"9999-12"));
    session.ShowMonth(u"1000-01");
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(session.StepMonth(-1));
    forth->click();
    EXPECT_EQ(Named<QLabel>("budget-head")->text(), QStringLiteral("1000년 02월 예산"));
}

} // namespace
