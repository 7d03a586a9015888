// The statistics on the real screen, as a person uses them: open them from
// the main menu, pick a report kind from the open list, step the period with
// the arrow buttons, and read the report off the list widget.
//
// With CARTAVEL_SCREENSHOT_DIR set, the screens seen along the way are also
// written there as PNG files, for people to look at.

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <string>

#include "ScreenTest.h"
#include "app/CMainMenuDlg.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/widgets/NavigationBarView.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"
#include "tests/support/TestDevice.h"

namespace {

class StatsScreen : public ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(device.Create("cartavel-stats-screen"));
        ASSERT_TRUE(DeviceClock::SetToday(2024, 3, 15));
        // February and March 2024, three shops' worth of trips.
        Paid(1, "과일", "사과", 4500, "2024-03-02", "한빛마트", 7);
        Paid(2, "채소", "무", 1200, "2024-03-02", "한빛마트", 7);
        Paid(3, "유제품", "우유", 2600, "2024-03-09", "누리마트", 8);
        Paid(4, "과일", "배", 8000, "2024-03-12", "한빛마트", 9);
        Paid(5, "생활용품", "세제", 12900, "2024-02-20", "다온상회", 5);
        Paid(6, "과일", "귤", 3900, "2024-02-27", "누리마트", 6);
        Paid(7, "유제품", "치즈", 5400, "2024-02-27", "누리마트", 6);
    }
    void TearDown() override {
        DeviceClock::UseRealTime();
        device.Remove();
    }

    void Paid(int seq, const std::string& category, const std::string& product, int amount, const std::string& date,
              const std::string& shop, int trip) {
        std::string sql = "insert into ShoppingList_tbl values (" + std::to_string(seq) + ",'" + category + "','" +
                          product + "',1,'개'," + std::to_string(amount) + ",'',0,0," + std::to_string(amount) +
                          ",'" + date + "','" + shop + "'," + std::to_string(trip) + ",'Y')";
        device.Sql(sql);
    }

    QString Period(CDialog& shown) { return WidgetAs<QLineEdit>(shown, IDC_ST_EDIT_PERIOD)->text(); }

    // The report as shown: each row's cells joined by '|'. Rows show at the
    // next turn of the event loop.
    QStringList Report(CDialog& shown) {
        auto* view = WidgetAs<QTreeView>(shown, IDC_ST_LIST_REPORT);
        QTest::qWait(0);
        QStringList rows;
        QAbstractItemModel* model = view->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
            rows << cells.join(u'|');
        }
        return rows;
    }
    QStringList Headers(CDialog& shown) {
        QAbstractItemModel* model = WidgetAs<QTreeView>(shown, IDC_ST_LIST_REPORT)->model();
        QStringList titles;
        for (int c = 0; c < model->columnCount(); ++c) titles << model->headerData(c, Qt::Horizontal).toString();
        return titles;
    }

    void Snap(const char* name) {
        QByteArray folder = qgetenv("CARTAVEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) return;
        std::filesystem::create_directories(folder.toStdString());
        QString file = QString::fromUtf8(folder) + u'/' + QString::fromLatin1(name);
        EXPECT_TRUE(m_screen.Screen().grab().save(file, "PNG")) << file.toStdString();
    }

    CMainMenuDlg menu;
    TestDevice device;
};

TEST_F(StatsScreen, APersonPicksAKindStepsThePeriodAndReadsTheReport) {
    bool bShown = false;
    WhenShown(IDD_STATS, [&](CDialog& shown) {
        bShown = true;
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("통계보기"));
        EXPECT_EQ(Period(shown), QString());
        EXPECT_EQ(WidgetAs<QTreeView>(shown, IDC_ST_LIST_REPORT)->model()->columnCount(), 0);
        EXPECT_FALSE(Widget(shown, IDC_ST_LIST_SCRATCH)->isVisible());

        Choose(shown, IDC_ST_COMBO_KIND, QStringLiteral("쇼핑점 월별현황"));
        EXPECT_EQ(Period(shown), QStringLiteral("2024년03월"));
        EXPECT_EQ(Headers(shown), (QStringList{QStringLiteral("        쇼 핑 점"), QStringLiteral("횟수"),
                                               QStringLiteral("쇼핑금액")}));
        EXPECT_EQ(Report(shown), (QStringList{QStringLiteral("누리마트|1|2600"), QStringLiteral("한빛마트|2|13700"),
                                              QStringLiteral("||"), QStringLiteral("<총계>|3|16300")}));

        QTest::mouseClick(Widget(shown, IDC_ST_BTN_PREV), Qt::LeftButton);
        EXPECT_EQ(Period(shown), QStringLiteral("2024년02월"));
        EXPECT_EQ(Report(shown), (QStringList{QStringLiteral("누리마트|1|9300"), QStringLiteral("다온상회|1|12900"),
                                              QStringLiteral("||"), QStringLiteral("<총계>|2|22200")}));

        // Two columns after three; amounts stand at the right.
        Choose(shown, IDC_ST_COMBO_KIND, QStringLiteral("분류별 월별현황"));
        EXPECT_EQ(Period(shown), QStringLiteral("2024년03월"));
        EXPECT_EQ(Headers(shown), (QStringList{QStringLiteral("          분 류 명"), QStringLiteral("쇼핑금액    ")}));
        EXPECT_EQ(Report(shown), (QStringList{QStringLiteral("과일|12500"), QStringLiteral("유제품|2600"),
                                              QStringLiteral("채소|1200"), QStringLiteral("|"),
                                              QStringLiteral("<총계>|16300")}));
        auto* view = WidgetAs<QTreeView>(shown, IDC_ST_LIST_REPORT);
        auto alignment = view->model()->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_TRUE(alignment & Qt::AlignRight);
        Snap("stats-category-month.png");

        Choose(shown, IDC_ST_COMBO_KIND, QStringLiteral("월별 총쇼핑현황"));
        EXPECT_EQ(Period(shown), QStringLiteral("2024년"));
        EXPECT_EQ(Report(shown), (QStringList{QStringLiteral(" 02월|2|22200"), QStringLiteral(" 03월|3|16300"),
                                              QStringLiteral("||"), QStringLiteral("<총계>|5|38500")}));
        Snap("stats-by-month.png");

        // The next year has nothing paid: the blank row alone.
        QTest::mouseClick(Widget(shown, IDC_ST_BTN_NEXT), Qt::LeftButton);
        EXPECT_EQ(Period(shown), QStringLiteral("2025년"));
        EXPECT_EQ(Report(shown), QStringList{QStringLiteral("||")});

        QTest::keyClick(Widget(shown, IDC_ST_BTN_NEXT), Qt::Key_Escape);
    });
    Run(menu, [this](CDialog& shown) {
        QTest::mouseClick(Widget(shown, IDC_BTN_STATS), Qt::LeftButton);
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("Cartavel"));
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
    EXPECT_TRUE(bShown) << "the statistics button opened no statistics";
}

} // namespace
