// What a person reaches with the keyboard and a few taps, on the real screen:
// the main menu from its start, the fields the program rewrites on the way,
// number fields that take a new number whole, the field a refusal points at,
// and the month calendar.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "ScreenTest.h"
#include "app/CMainMenuDlg.h"
#include "dialogs/CShopItemsDlg.h"
#include "dialogs/CShopStartDlg.h"
#include "platform/qt/widgets/MonthCalendarWidget.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"
#include "tests/support/TestDevice.h"

namespace {

class KeyboardReach : public ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(device.Create("cartavel-keyboard-reach"));
        ASSERT_TRUE(DeviceClock::SetToday(2024, 3, 15));
        device.Sql("insert into ShoppingList_tbl values (1,'식품','두부',3,'모',0,'',0,0,0,'','',NULL,'');"
                   "insert into ShpStore_tbl values ('한빛마트')");
    }
    void TearDown() override {
        DeviceClock::UseRealTime();
        device.Remove();
    }

    QLineEdit* Edit(CDialog& shown, int nID) { return WidgetAs<QLineEdit>(shown, nID); }
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    TestDevice device;
};

TEST_F(KeyboardReach, TheMainMenuStartsOnItsFirstFunctionAndShowsWhereTheKeysAre) {
    int opened = 0;
    WhenShown(IDD_BASICINFO, [&](CDialog&) {
        ++opened;
        Key(Qt::Key_Escape);
    });
    CMainMenuDlg menu;
    Run(menu, [&](CDialog& shown) {
        QWidget* basicInfo = Widget(shown, IDC_BTN_BASICINFO);
        EXPECT_EQ(QApplication::focusWidget(), basicInfo);
        // Escape ends nothing here: the program ends by its exit button.
        Key(Qt::Key_Escape);
        EXPECT_FALSE(shown.HasEnded());
        QImage focused = basicInfo->grab().toImage();
        Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Widget(shown, IDC_BTN_PLAN));
        EXPECT_NE(basicInfo->grab().toImage(), focused) << "the focused button looks like the others";
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        Key(Qt::Key_Return);
        Key(Qt::Key_Space);
        EXPECT_EQ(opened, 2);
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
}

TEST_F(KeyboardReach, PricingByKeysShowsEachRecomputedAmountAndTypingReplacesANumber) {
    CShopItemsDlg items;
    items.m_strShpDate = u"2024-03-15";
    items.m_strStoreName = u"한빛마트";
    Run(items, [&](CDialog& shown) {
        auto* list = WidgetAs<QTreeView>(shown, IDC_SI_LIST);
        QTest::qWait(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 2)).center());
        QLineEdit* qty = Edit(shown, IDC_SI_EDIT_QTY);
        QLineEdit* price = Edit(shown, IDC_SI_EDIT_PRICE);
        QLineEdit* discount = Edit(shown, IDC_SI_EDIT_DISCOUNT);
        QLineEdit* amount = Edit(shown, IDC_SI_EDIT_AMOUNT);
        ASSERT_EQ(qty->text(), QStringLiteral("3"));

        QTest::mouseClick(price, Qt::LeftButton);
        Type(price, QStringLiteral("1500"));
        Key(Qt::Key_Tab);
        EXPECT_EQ(amount->text(), QStringLiteral("4500"));
        Type(discount, QStringLiteral("300"));
        // Each focus move shows what the field left wrote, at once.
        Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), amount);
        EXPECT_EQ(amount->text(), QStringLiteral("4200"));
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(discount->selectedText(), QStringLiteral("300"));
        Type(discount, QStringLiteral("600"));
        Key(Qt::Key_Tab);
        EXPECT_EQ(amount->text(), QStringLiteral("3900"));

        // A tap into a number field takes its whole number for replacing.
        QTest::mouseClick(price, Qt::LeftButton, {}, QPoint(price->width() - 6, price->height() / 2));
        EXPECT_EQ(price->selectedText(), QStringLiteral("1500"));
        Type(price, QStringLiteral("1400"));
        EXPECT_EQ(price->text(), QStringLiteral("1400"));

        // A refused number: the refusal points at it, selected.
        QTest::mouseClick(qty, Qt::LeftButton);
        Type(qty, QStringLiteral("3개"));
        AnswerNextBox(QMessageBox::Ok);
        QTest::mouseClick(Widget(shown, IDC_SI_BTN_SAVE), Qt::LeftButton);
        ASSERT_FALSE(m_seenBoxes.empty());
        EXPECT_EQ(m_seenBoxes.back().text, QStringLiteral("입력이 오류."));
        // The window system hands the keyboard back at its next turn.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == qty; }, 1000));
        EXPECT_EQ(qty->selectedText(), QStringLiteral("3개"));
        Type(qty, QStringLiteral("2"));
        EXPECT_EQ(qty->text(), QStringLiteral("2"));
        Key(Qt::Key_Escape);
    });
    EXPECT_EQ(device.Rows("select Price from ShoppingList_tbl"), "0\n");
}

TEST_F(KeyboardReach, TheMonthCalendarWalksAndPicksByKeys) {
    CShopStartDlg start;
    Run(start, [&](CDialog& shown) {
        QTest::mouseClick(Widget(shown, IDC_SS_BTN_CALENDAR), Qt::LeftButton);
        auto* calendar = WidgetAs<MonthCalendarWidget>(shown, IDC_SS_CALENDAR);
        ASSERT_TRUE(calendar->isVisible());
        for (int i = 0; i < 10 && QApplication::focusWidget() != calendar; ++i) Key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), calendar);
        QDate from = calendar->SelectedDate();

        Key(Qt::Key_Home);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        Key(Qt::Key_Down);
        EXPECT_EQ(calendar->SelectedDate(), QDate(from.year(), from.month(), 10));
        Key(Qt::Key_Left);
        Key(Qt::Key_Up);
        EXPECT_EQ(calendar->SelectedDate(), QDate(from.year(), from.month(), 2));
        Key(Qt::Key_PageDown);
        Key(Qt::Key_PageDown);
        Key(Qt::Key_PageUp);
        Key(Qt::Key_End);
        QDate last = QDate(from.year(), from.month(), 1).addMonths(2).addDays(-1);
        EXPECT_EQ(calendar->SelectedDate(), last);
        EXPECT_EQ(Edit(shown, IDC_SS_EDIT_DATE)->text(), QStringLiteral("2024-03-15")) << "a walk is no pick";
        Key(Qt::Key_Return);
        EXPECT_EQ(Edit(shown, IDC_SS_EDIT_DATE)->text(), last.toString(QStringLiteral("yyyy-MM-dd")));
        EXPECT_FALSE(calendar->isVisible());
        QTest::keyClick(Widget(shown, IDC_SS_EDIT_DATE), Qt::Key_Escape);
    });
}

} // namespace
