// One shopping run on the real screen, as a person makes it: open the
// calendar and pick a day where it lies over the shop list and the start
// button, choose the shop, start, tap a planned item, type its unit price,
// move on, save; the list and the total show the priced item, and the file
// holds it with the day and the shop.
//
// With CARTAVEL_SHOTS set to a folder, the screens along the way are also
// written there as PNG pictures (start, start with calendar, items).

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <string>

#include "ScreenTest.h"
#include "app/CMainMenuDlg.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/widgets/MonthCalendarWidget.h"
#include "platform/qt/widgets/NavigationBarView.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"
#include "tests/support/TestDevice.h"

namespace {

class ShoppingRun : public ScreenTest {
protected:
    void SetUp() override {
        DeviceClock::SetToday(2024, 3, 15);
        ASSERT_NO_FATAL_FAILURE(device.Create("cartavel-shopping-run"));
        Sql("insert into ShpStore_tbl values ('이마트'); insert into ShpStore_tbl values ('농협');"
            "insert into Unit_tbl values ('개'); insert into Unit_tbl values ('봉지');"
            "insert into ShoppingList_tbl values (1,'채소','가지',3,'개',0,'Y',500,0,0,'','','','');"
            "insert into ShoppingList_tbl values (2,'채소','당근',1,'봉지',1000,'',0,0,1000,'2024-03-10','이마트',0,'')");
    }
    void TearDown() override {
        DeviceClock::UseRealTime();
        device.Remove();
    }

    void Sql(const std::string& sql) { device.Sql(sql); }

    std::string Rows(const std::string& sql) { return device.Rows(sql); }

    // A tap at a point of the dialog's page goes to whatever lies on top there.
    static void TapPage(QWidget* page, QPoint at) {
        QWidget* target = page->childAt(at);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(page, at));
    }

    QString EditText(CDialog& shown, int nID) { return WidgetAs<QLineEdit>(shown, nID)->text(); }

    void Shoot(const char* name) {
        QByteArray folder = qgetenv("CARTAVEL_SHOTS");
        if (folder.isEmpty()) return;
        QTest::qWait(0);
        std::filesystem::path file = std::filesystem::path(folder.toStdString()) / name;
        EXPECT_TRUE(m_screen.Screen().grab().save(QString::fromStdString(file.string()), "PNG")) << file;
    }

    void StartDialog(CDialog& shown);
    void ItemsDialog(CDialog& shown);

    CMainMenuDlg menu;
    TestDevice device;
    QDate m_picked;
};

void ShoppingRun::StartDialog(CDialog& shown) {
    EXPECT_EQ(EditText(shown, IDC_SS_EDIT_DATE), QStringLiteral("2024-03-15"));
    auto* calendar = WidgetAs<MonthCalendarWidget>(shown, IDC_SS_CALENDAR);
    ASSERT_NE(calendar, nullptr);
    EXPECT_FALSE(calendar->isVisible());
    Shoot("shop-start.png");

    QTest::mouseClick(Widget(shown, IDC_SS_BTN_CALENDAR), Qt::LeftButton);
    ASSERT_TRUE(calendar->isVisible());

    // The shown calendar lies over the date field: a tap on its arrow there
    // pages to the next month and leaves the field alone.
    QWidget* page = calendar->parentWidget();
    QPoint arrow = calendar->mapTo(page, QPoint(calendar->width() - 3, 3));
    ASSERT_TRUE(Widget(shown, IDC_SS_EDIT_DATE)->geometry().contains(arrow));
    TapPage(page, arrow);
    EXPECT_EQ(calendar->Page(), QDate(2024, 4, 1));
    EXPECT_NE(shown.FocusedControl(), shown.GetDlgItem(IDC_SS_EDIT_DATE));
    Shoot("shop-start-calendar.png");

    // It lies over the start button too: a tap on a day there picks the day
    // and starts nothing.
    QRect start = Widget(shown, IDC_SS_BTN_START)->geometry();
    QPoint at;
    for (QDate day = calendar->Page(); day.month() == calendar->Page().month(); day = day.addDays(1)) {
        QPoint centre = calendar->mapTo(page, calendar->DayRect(day).center());
        if (start.contains(centre)) {
            m_picked = day;
            at = centre;
            break;
        }
    }
    ASSERT_TRUE(m_picked.isValid()) << "no day of the calendar lies over the start button";
    TapPage(page, at);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(EditText(shown, IDC_SS_EDIT_DATE), m_picked.toString(Qt::ISODate));
    EXPECT_FALSE(shown.HasEnded());

    Choose(shown, IDC_SS_COMBO_STORE, QStringLiteral("농협"));
    QTest::mouseClick(Widget(shown, IDC_SS_BTN_START), Qt::LeftButton);
}

void ShoppingRun::ItemsDialog(CDialog& shown) {
    EXPECT_EQ(NavigationBar().Title(), QStringLiteral("농협"));
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_DATE), m_picked.toString(Qt::ISODate));
    auto* list = WidgetAs<QTreeView>(shown, IDC_SI_LIST);
    QTest::qWait(0);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_TOTAL), QStringLiteral("1000"));

    // A planned coupon item: its coupon discount for three.
    QRect cell = list->visualRect(list->model()->index(0, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_PRODUCT), QStringLiteral("가지"));
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_QTY), QStringLiteral("3"));
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_DISCOUNT), QStringLiteral("1500"));
    EXPECT_EQ(WidgetAs<QComboBox>(shown, IDC_SI_COMBO_UNIT)->lineEdit()->text(), QStringLiteral("개"));

    // The price typed; leaving it works out the amount.
    auto* price = WidgetAs<QLineEdit>(shown, IDC_SI_EDIT_PRICE);
    QTest::mouseClick(price, Qt::LeftButton);
    Type(price, QStringLiteral("1200"));
    QTest::mouseClick(Widget(shown, IDC_SI_EDIT_AMOUNT), Qt::LeftButton);
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_AMOUNT), QStringLiteral("2100"));
    Shoot("shop-items.png");

    QTest::mouseClick(Widget(shown, IDC_SI_BTN_SAVE), Qt::LeftButton);
    EXPECT_TRUE(m_seenBoxes.empty()) << m_seenBoxes.front().text.toStdString();
    QTest::qWait(0);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(0, 9).data().toString(), QStringLiteral("2100"));
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_TOTAL), QStringLiteral("3100"));
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_PRODUCT), QString());
    EXPECT_EQ(EditText(shown, IDC_SI_EDIT_PRICE), QString());
    EXPECT_EQ(Rows("select ShpQty,UnitName,Price,TotDcAmt,ShpAmount,ShpDate,StoreName from ShoppingList_tbl "
                   "where SeqNo=1"),
              "3|개|1200|1500|2100|" + m_picked.toString(Qt::ISODate).toStdString() + "|농협\n");
    Shoot("shop-items-saved.png");

    QTest::keyClick(Widget(shown, IDC_SI_BTN_SAVE), Qt::Key_Escape);
}

TEST_F(ShoppingRun, APersonPricesAnItemOnAPickedDayInAChosenShop) {
    bool bItemsShown = false;
    WhenShown(IDD_SHOPSTART, [this](CDialog& shown) { StartDialog(shown); });
    WhenShown(IDD_SHOPITEMS, [&](CDialog& shown) {
        bItemsShown = true;
        ItemsDialog(shown);
    });
    Run(menu, [this](CDialog& shown) {
        QTest::mouseClick(Widget(shown, IDC_BTN_SHOPPING), Qt::LeftButton);
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("Cartavel"));
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
    EXPECT_TRUE(bItemsShown) << "starting opened no items dialog";
    EXPECT_TRUE(menu.HasEnded());
}

} // namespace
