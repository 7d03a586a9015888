// The keyboard on the real screen: Escape in an open list, Tab through every
// control in template order, Space and Enter on buttons, the list keys, the
// keys that open a combo box's list, and the navigation bar's close button.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"

using namespace ScreenTestIds;

namespace {

using Events = std::vector<std::string>;

class KeyboardScreen : public ScreenTest {
protected:
    void SetUp() override { CScreenTestDlg::RegisterTemplates(); }

    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "no widget has the focus";
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    }
    int FocusedId(CDialog& shown) {
        CWnd* focused = shown.FocusedControl();
        return focused ? focused->GetDlgCtrlID() : 0;
    }

    CScreenTestDlg dlg;
};

TEST_F(KeyboardScreen, EscapeWithTheListOpenClosesTheListAndKeepsTheDialogAndItsText) {
    INT_PTR result = Run(dlg, [this](CDialog& shown) {
        Type(Widget(shown, IDC_NAME), QStringLiteral("사과"));
        auto* combo = WidgetAs<QComboBox>(shown, IDC_KIND);
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 4, combo->height() / 2));
        ASSERT_TRUE(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        EXPECT_FALSE(combo->view()->isVisible());
        EXPECT_FALSE(shown.HasEnded());
        EXPECT_EQ(WidgetAs<QLineEdit>(shown, IDC_NAME)->text(), QStringLiteral("사과"));
        EXPECT_EQ(shown.GetDlgItem(IDC_NAME)->WindowText(), CString(u"사과"));
        // With no list open, Escape closes the dialog as before.
        Press(Qt::Key_Escape);
        EXPECT_TRUE(shown.HasEnded());
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(KeyboardScreen, TabVisitsEveryControlThatTakesTheFocusInTemplateOrder) {
    Run(dlg, [this](CDialog& shown) {
        ASSERT_EQ(FocusedId(shown), IDC_NAME);
        // Push buttons and the check box have no tab stop in the template; Tab reaches them.
        const int order[] = {IDC_PRICE, IDC_KIND, IDC_SAVE, IDC_COUPON, IDC_ASK,  IDC_NOTICE,   IDC_OPEN,
                             IDC_FILL,  IDC_CHANGE, IDC_TABS, IDC_LIST, IDC_CALENDAR, IDC_NAME};
        for (int id : order) {
            Press(Qt::Key_Tab);
            EXPECT_EQ(FocusedId(shown), id);
        }
        Press(Qt::Key_Backtab);
        EXPECT_EQ(FocusedId(shown), IDC_CALENDAR);
        Press(Qt::Key_Escape);
    });
    // Each move from the name or the price told the field it lost the focus.
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "price lost focus", "name lost focus"}));
}

TEST_F(KeyboardScreen, SpaceOrEnterPressesTheFocusedButtonAndSpaceTicksTheCheckBox) {
    Run(dlg, [this](CDialog& shown) {
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        ASSERT_EQ(FocusedId(shown), IDC_SAVE);
        Press(Qt::Key_Space);
        Press(Qt::Key_Return);
        Press(Qt::Key_Enter);
        Press(Qt::Key_Tab);
        Press(Qt::Key_Space);
        Press(Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "price lost focus", "save", "save", "save", "coupon 1"}));
    EXPECT_EQ(dlg.m_bCoupon, 0);  // Escape does not exchange in
}

TEST_F(KeyboardScreen, ListKeysMoveAHighlightThatSpaceOrEnterTaps) {
    dlg.m_nFillRows = 1000;
    Run(dlg, [this](CDialog& shown) {
        QTest::mouseClick(Widget(shown, IDC_FILL), Qt::LeftButton);
        auto* view = WidgetAs<QTreeView>(shown, IDC_LIST);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 1)).center());
        auto highlighted = [&] { return view->currentIndex().row(); };
        Press(Qt::Key_Down);
        Press(Qt::Key_Down);
        EXPECT_EQ(highlighted(), 2);
        // Passing over rows picks none of them: the selection is still the tapped row.
        EXPECT_EQ(dlg.m_listItems.GetSelectionMark(), 0);
        EXPECT_TRUE(view->selectionModel()->isRowSelected(0, QModelIndex()));
        Press(Qt::Key_Return);
        EXPECT_EQ(dlg.m_listItems.GetSelectionMark(), 2);
        Press(Qt::Key_Up);
        Press(Qt::Key_Up);
        Press(Qt::Key_Up);  // stops at the first row
        EXPECT_EQ(highlighted(), 0);
        Press(Qt::Key_PageDown);
        int page = highlighted();
        EXPECT_GT(page, 1);
        Press(Qt::Key_PageDown);
        EXPECT_EQ(highlighted(), 2 * page);
        Press(Qt::Key_PageUp);
        EXPECT_EQ(highlighted(), page);
        Press(Qt::Key_End);
        EXPECT_EQ(highlighted(), 999);
        // The highlighted row is scrolled into view.
        EXPECT_TRUE(view->viewport()->rect().intersects(view->visualRect(view->model()->index(999, 1))));
        Press(Qt::Key_Down);
        EXPECT_EQ(highlighted(), 999);
        Press(Qt::Key_Space);
        Press(Qt::Key_Home);
        Press(Qt::Key_Enter);
        Press(Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "filled", "row 0", "row 2", "row 999", "row 0"}));
}

TEST_F(KeyboardScreen, AltDownOrF4OpensTheComboListOnTheEntryShown) {
    Run(dlg, [this](CDialog& shown) {
        auto* combo = WidgetAs<QComboBox>(shown, IDC_KIND);
        QTest::mouseClick(Widget(shown, IDC_PRICE), Qt::LeftButton);
        Press(Qt::Key_Tab);
        ASSERT_EQ(FocusedId(shown), IDC_KIND);
        Press(Qt::Key_F4);
        ASSERT_TRUE(combo->view()->isVisible());
        EXPECT_EQ(combo->view()->currentIndex().row(), 0);  // "채소", the program's choice
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        ASSERT_FALSE(combo->view()->isVisible());

        // A typed text that is an entry marks that entry.
        QLineEdit* field = combo->lineEdit();
        field->selectAll();
        Type(field, QStringLiteral("과일"));
        Press(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(combo->view()->isVisible());
        EXPECT_EQ(combo->view()->currentIndex().row(), 1);
        // Enter in the open list is a pick.
        QTest::keyClick(combo->view(), Qt::Key_Return);
        EXPECT_FALSE(combo->view()->isVisible());
        EXPECT_EQ(dlg.m_comboKind.GetCurSel(), 1);
        Press(Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "price lost focus", "kind 과일"}));
}

TEST_F(KeyboardScreen, TheNavigationBarClosesADialogWithASystemMenuAndKeepsOkForTheOthers) {
    WhenShown(kChildTemplate, [this](CDialog&) {
        EXPECT_FALSE(NamedWidget("caption-ok")->isVisible());
        auto* close = qobject_cast<QPushButton*>(NamedWidget("caption-close"));
        ASSERT_NE(close, nullptr);
        EXPECT_TRUE(close->isVisible());
        QTest::mouseClick(close, Qt::LeftButton);
    });
    INT_PTR result = Run(dlg, [this](CDialog& shown) {
        EXPECT_TRUE(NamedWidget("caption-ok")->isVisible());
        EXPECT_FALSE(NamedWidget("caption-close")->isVisible());
        QTest::mouseClick(Widget(shown, IDC_OPEN), Qt::LeftButton);
        EXPECT_FALSE(shown.HasEnded());
        EXPECT_TRUE(NamedWidget("caption-ok")->isVisible());
        EXPECT_FALSE(NamedWidget("caption-close")->isVisible());
        QTest::mouseClick(NamedWidget("caption-ok"), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "child closed"}));
}

} // namespace
