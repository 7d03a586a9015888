// The list view on the real screen: exact header titles, width-0 columns that
// stay invisible, taps on rows and beside them, and big fills.

#include <QElapsedTimer>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"

using namespace ScreenTestIds;

namespace {

using Events = std::vector<std::string>;

class ListViewScreen : public ScreenTest {
protected:
    void SetUp() override { CScreenTestDlg::RegisterTemplates(); }

    CScreenTestDlg dlg;
};

TEST_F(ListViewScreen, ZeroWidthColumnsStayInvisibleAndCannotBeDraggedOpen) {
    Run(dlg, [this](CDialog& shown) {
        auto* view = WidgetAs<QTreeView>(shown, IDC_LIST);
        QHeaderView* header = view->header();
        auto title = [&](int column) { return view->model()->headerData(column, Qt::Horizontal).toString(); };
        EXPECT_EQ(title(1), QStringLiteral(" 품 명 "));
        EXPECT_EQ(title(2), QStringLiteral("금액"));
        EXPECT_TRUE(header->isSectionHidden(0));
        EXPECT_TRUE(header->isSectionHidden(3));
        EXPECT_EQ(header->sectionSize(1), 60);
        EXPECT_EQ(header->sectionSize(2), 50);

        // Drag where the hidden columns' edges would be: left of the first
        // visible column and right of the last one.
        int y = header->height() / 2;
        QTest::mousePress(header, Qt::LeftButton, {}, QPoint(1, y));
        QTest::mouseMove(header, QPoint(40, y));
        QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(40, y));
        int lastEdge = header->sectionViewportPosition(2) + header->sectionSize(2);
        QTest::mousePress(header, Qt::LeftButton, {}, QPoint(lastEdge, y));
        QTest::mouseMove(header, QPoint(lastEdge + 30, y));
        QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(lastEdge + 30, y));
        EXPECT_TRUE(header->isSectionHidden(0));
        EXPECT_TRUE(header->isSectionHidden(3));

        // A refill of the rows keeps them hidden.
        dlg.m_nFillRows = 5;
        QTest::mouseClick(Widget(shown, IDC_FILL), Qt::LeftButton);
        EXPECT_EQ(view->model()->rowCount(), 5);
        EXPECT_TRUE(header->isSectionHidden(0));
        EXPECT_TRUE(header->isSectionHidden(3));
        QTest::keyClick(view, Qt::Key_Escape);
    });
}

TEST_F(ListViewScreen, ATapReportsTheRowUnderItOrMinusOneBesideTheRows) {
    Run(dlg, [this](CDialog& shown) {
        auto* view = WidgetAs<QTreeView>(shown, IDC_LIST);
        QRect second = view->visualRect(view->model()->index(1, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        EXPECT_TRUE(view->selectionModel()->isRowSelected(1, QModelIndex()));
        EXPECT_EQ(dlg.m_listItems.GetSelectionMark(), 1);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, view->viewport()->height() - 3));
        EXPECT_FALSE(view->selectionModel()->hasSelection());
        // The keys do not move the framework's selection behind its back.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QTest::keyClick(view, Qt::Key_Down);
        EXPECT_TRUE(view->selectionModel()->isRowSelected(1, QModelIndex()));
        QTest::keyClick(view, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "row 1", "row -1", "row 1"}));
}

TEST_F(ListViewScreen, AHundredThousandRowsFillInReasonableTime) {
    Run(dlg, [this](CDialog& shown) {
        auto* view = WidgetAs<QTreeView>(shown, IDC_LIST);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(Widget(shown, IDC_FILL), Qt::LeftButton);
        // A view that rebuilt its rows for each one inserted would take minutes.
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_EQ(view->model()->rowCount(), 100000);
        EXPECT_EQ(view->model()->index(99999, 2).data().toString(), QStringLiteral("999990"));
        QTest::keyClick(view, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "filled"}));
}

} // namespace
