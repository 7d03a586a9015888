// What a person does to the widgets reaches the framework as the device
// reports it: typed text, picks, focus loss before the tapped control acts,
// and nothing at all for the program's own changes.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"
#include "platform/qt/widgets/MonthCalendarWidget.h"
#include "platform/shell/DeviceClock.h"

using namespace ScreenTestIds;

namespace {

using Events = std::vector<std::string>;

class ControlInput : public ScreenTest {
protected:
    void SetUp() override {
        CScreenTestDlg::RegisterTemplates();
        DeviceClock::SetToday(2024, 3, 15);
    }
    void TearDown() override { DeviceClock::UseRealTime(); }

    QLineEdit* ComboField(CDialog& shown) { return WidgetAs<QComboBox>(shown, IDC_KIND)->lineEdit(); }

    CScreenTestDlg dlg;
};

TEST_F(ControlInput, TypedTextReachesTheFrameworkWhereverTheCursorIs) {
    INT_PTR result = Run(dlg, [this](CDialog& shown) {
        auto* name = WidgetAs<QLineEdit>(shown, IDC_NAME);
        Type(name, QStringLiteral("사과"));
        // Typing in the middle keeps the cursor where the person put it.
        QTest::keyClick(name, Qt::Key_Home);
        Type(name, QStringLiteral("햇풋"));
        EXPECT_EQ(shown.GetDlgItem(IDC_NAME)->WindowText(), CString(u"햇풋사과"));

        QLineEdit* kind = ComboField(shown);
        kind->selectAll();
        Type(kind, QStringLiteral("곡물"));
        QTest::keyClick(kind, Qt::Key_Home);
        Type(kind, QStringLiteral("햇잡"));
        EXPECT_EQ(kind->text(), QStringLiteral("햇잡곡물"));

        Type(WidgetAs<QLineEdit>(shown, IDC_PRICE), QStringLiteral("1200"));
        QTest::mouseClick(NamedWidget("caption-ok"), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strName, CString(u"햇풋사과"));
    EXPECT_EQ(dlg.m_strKind, CString(u"햇잡곡물"));
    EXPECT_EQ(dlg.m_strPrice, CString(u"1200"));
    EXPECT_EQ(dlg.m_comboKind.GetCurSel(), CB_ERR);
}

TEST_F(ControlInput, OnlyAPickFromTheOpenListIsASelectionChange) {
    Run(dlg, [this](CDialog& shown) {
        auto* combo = WidgetAs<QComboBox>(shown, IDC_KIND);
        EXPECT_EQ(combo->currentText(), QStringLiteral("채소"));  // the program's choice, not reported

        // Typing an entry's text and taking it with Return is no pick; nor is the wheel.
        QLineEdit* field = ComboField(shown);
        field->selectAll();
        Type(field, QStringLiteral("과일"));
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Down);
        EXPECT_EQ(dlg.m_comboKind.GetCurSel(), CB_ERR);

        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 4, combo->height() / 2));
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(list->isVisible());
        QRect first = list->visualRect(list->model()->index(0, 0));
        QTest::mouseMove(list->viewport(), first.center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(dlg.m_comboKind.GetCurSel(), 0);
        EXPECT_EQ(field->text(), QStringLiteral("채소"));
        QTest::keyClick(field, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "kind 채소"}));
}

TEST_F(ControlInput, LeavingAnEditRaisesFocusLossBeforeTheTappedButtonActs) {
    Run(dlg, [this](CDialog& shown) {
        // The first tab stop, the name, has the focus when the dialog opens.
        QTest::mouseClick(Widget(shown, IDC_PRICE), Qt::LeftButton);
        Type(Widget(shown, IDC_PRICE), QStringLiteral("1200"));
        QTest::mouseClick(Widget(shown, IDC_SAVE), Qt::LeftButton);
        // Tab from the price to the combo box: the price loses the focus again.
        QTest::mouseClick(Widget(shown, IDC_PRICE), Qt::LeftButton);
        QTest::keyClick(Widget(shown, IDC_PRICE), Qt::Key_Tab);
        EXPECT_EQ(shown.FocusedControl(), shown.GetDlgItem(IDC_KIND));
        QTest::keyClick(ComboField(shown), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "price lost focus", "save", "price lost focus"}));
    EXPECT_TRUE(dlg.HasEnded());
}

TEST_F(ControlInput, CheckBoxTabAndCalendarReportThePersonsTaps) {
    Run(dlg, [this](CDialog& shown) {
        auto* coupon = WidgetAs<QCheckBox>(shown, IDC_COUPON);
        QTest::mouseClick(coupon, Qt::LeftButton);
        EXPECT_TRUE(coupon->isChecked());
        QTest::mouseClick(coupon, Qt::LeftButton);
        EXPECT_FALSE(coupon->isChecked());

        auto* tabs = WidgetAs<QTabWidget>(shown, IDC_TABS);
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        EXPECT_EQ(tabs->currentIndex(), 1);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());  // the tab shown: nothing
        QTest::keyClick(bar, Qt::Key_Left);
        EXPECT_EQ(tabs->currentIndex(), 0);

        auto* calendar = WidgetAs<MonthCalendarWidget>(shown, IDC_CALENDAR);
        EXPECT_EQ(calendar->SelectedDate(), QDate(2024, 3, 15));  // the device's today
        QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->DayRect(QDate(2024, 3, 20)).center());
        EXPECT_EQ(calendar->SelectedDate(), QDate(2024, 3, 20));
        // Paging to the next month picks nothing.
        QTest::mouseClick(calendar, Qt::LeftButton, {}, QPoint(calendar->width() - 3, 3));
        EXPECT_EQ(calendar->Page(), QDate(2024, 4, 1));
        QTest::keyClick(calendar, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events,
              (Events{"name lost focus", "coupon 1", "coupon 0", "tab 1", "tab 0", "date 2024-03-20"}));
    SYSTEMTIME picked;
    dlg.m_calendar.GetCurSel(&picked);
    EXPECT_EQ(picked.wDay, 20);
}

TEST_F(ControlInput, TheProgramsOwnChangesShowButRaiseNothing) {
    Run(dlg, [this](CDialog& shown) {
        QTest::mouseClick(Widget(shown, IDC_CHANGE), Qt::LeftButton);
        EXPECT_EQ(ComboField(shown)->text(), QStringLiteral("과일"));
        EXPECT_TRUE(WidgetAs<QCheckBox>(shown, IDC_COUPON)->isChecked());
        EXPECT_EQ(WidgetAs<QTabWidget>(shown, IDC_TABS)->currentIndex(), 1);
        EXPECT_EQ(WidgetAs<MonthCalendarWidget>(shown, IDC_CALENDAR)->SelectedDate(), QDate(2024, 3, 1));
        EXPECT_EQ(WidgetAs<QLineEdit>(shown, IDC_NAME)->text(), QStringLiteral("새 이름"));
        auto* list = WidgetAs<QAbstractItemView>(shown, IDC_LIST);
        EXPECT_TRUE(list->selectionModel()->isRowSelected(2, QModelIndex()));
        EXPECT_FALSE(Widget(shown, IDC_LABEL)->isVisible());
        QTest::keyClick(Widget(shown, IDC_CHANGE), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "changed"}));
}

TEST_F(ControlInput, AControlHiddenByAFocusLossHandlerTakesNoTapAndLosesNoFocus) {
    dlg.m_bHidePriceOnNameLoss = true;
    Run(dlg, [this](CDialog& shown) {
        // Qt hands the focus of the hidden field on; that move is not the person's.
        QTest::mouseClick(Widget(shown, IDC_PRICE), Qt::LeftButton);
        EXPECT_FALSE(Widget(shown, IDC_PRICE)->isVisible());
        QTest::keyClick(Widget(shown, IDC_NAME), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus"}));
}

TEST_F(ControlInput, AModalDialogCoversItsOpenerWhichReturnsAsItWas) {
    WhenShown(kChildTemplate, [this](CDialog& child) {
        EXPECT_FALSE(Widget(dlg, IDC_NAME)->isVisible());
        EXPECT_TRUE(Widget(child, IDC_CHILD_EDIT)->isVisible());
        EXPECT_FALSE(NamedWidget("caption-ok")->isVisible());  // the child's template has none
        Type(Widget(child, IDC_CHILD_EDIT), QStringLiteral("x"));
        QTest::keyClick(Widget(child, IDC_CHILD_EDIT), Qt::Key_Escape);
    });
    INT_PTR result = Run(dlg, [this](CDialog& shown) {
        Type(Widget(shown, IDC_NAME), QStringLiteral("배"));
        QTest::mouseClick(Widget(shown, IDC_OPEN), Qt::LeftButton);
        EXPECT_TRUE(Widget(shown, IDC_NAME)->isVisible());
        EXPECT_EQ(WidgetAs<QLineEdit>(shown, IDC_NAME)->text(), QStringLiteral("배"));
        EXPECT_TRUE(NamedWidget("caption-ok")->isVisible());
        // Escape closes the top dialog only: the child, then this one.
        QTest::keyClick(Widget(shown, IDC_NAME), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "child closed"}));
}

} // namespace
