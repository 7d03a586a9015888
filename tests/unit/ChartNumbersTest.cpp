// The numbers of the reports window's charts, without a screen: on a small
// notebook known by heart, and against the statistics dialog itself on ten
// years of a household, for every period and kind that both show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StepDriver.h"
#include "bench/TenYearHousehold.h"
#include "desk/CategorySpending.h"
#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/MonthlySpending.h"
#include "desk/PriceHistory.h"
#include "desk/ReportPeriod.h"
#include "desk/ShopSpending.h"
#include "dialogs/CStatsDlg.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/DialogInput.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"
#include "tests/support/ChartNotebook.h"
#include "tests/support/TestDevice.h"
#include "tools/install/FirstInstallation.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(ReportPeriodTest, StepsMonthsAndYearsWithinFourDigitYears) {
    ReportPeriod month = ReportPeriod::OfMonth(2024, 1);
    EXPECT_EQ(month.Label(), "2024년01월");
    EXPECT_EQ(month.From() + " " + month.To(), "2024-01-01 2024-01-31");
    ASSERT_TRUE(month.Step(-1));
    EXPECT_EQ(month, ReportPeriod::OfMonth(2023, 12));
    ASSERT_TRUE(month.Step(+1));
    ASSERT_TRUE(month.Step(+1));
    EXPECT_EQ(month.Label(), "2024년02월");
    ReportPeriod year = ReportPeriod::OfYear(2024);
    EXPECT_EQ(year.Label() + " " + year.From() + " " + year.To(), "2024년 2024-01-01 2024-12-31");
    ReportPeriod first = ReportPeriod::OfMonth(1000, 1);
    EXPECT_FALSE(first.Step(-1));
    EXPECT_EQ(first.Label(), "1000년01월");
    ReportPeriod last = ReportPeriod::OfYear(9999);
    EXPECT_FALSE(last.Step(+1));
    ReportPeriod december = ReportPeriod::OfMonth(9999, 11);
    EXPECT_TRUE(december.Step(+1));
    EXPECT_FALSE(december.Step(+1));
    EXPECT_EQ(december.To(), "9999-12-31");
}

class ChartNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        device.Create("chart-numbers");
        device.Sql(kChartNotebookSql);
        db = std::make_unique<Database>(FirstInstallation::DatabasePath(device.Root()), Database::Mode::ReadOnly);
    }
    void TearDown() override {
        db.reset();
        device.Remove();
    }
    TestDevice device;
    std::unique_ptr<Database> db;
};

// On the installed file, and on a file from before the indexes of paid rows.
TEST_F(ChartNumbers, EachChartHoldsTheKnownNotebooksNumbers) {
  for (bool older : {false, true}) {
    SCOPED_TRACE(older ? "without the paid indexes" : "installed");
    if (older) device.Sql("DROP INDEX ShoppingList_Paid; DROP INDEX ShoppingList_PaidPrice");
    EXPECT_EQ(CategorySpending::Read(*db, ReportPeriod::OfMonth(2024, 3)).Table().rows,
              (Rows{{"곡물", "500", "13.2"}, {"과일", "3300", "86.8"}, {"<총계>", "3800", "100.0"}}));
    EXPECT_EQ(ShopSpending::Read(*db, ReportPeriod::OfMonth(2024, 3)).Table().rows,
              (Rows{{"가게A", "2", "3500"}, {"가게B", "1", "300"}, {"<총계>", "3", "3800"}}));
    EXPECT_EQ(ShopSpending::Read(*db, ReportPeriod::OfYear(2024)).Table().rows,
              (Rows{{"가게A", "2", "3500"}, {"가게B", "2", "5000"}, {"<총계>", "4", "8500"}}));
    MonthlySpending year = MonthlySpending::Read(*db, 2024);
    ChartTable months = year.Table();
    EXPECT_EQ(months.columns.size(), 5u);  // 월, 횟수, 쇼핑금액, 곡물, 과일
    EXPECT_EQ(months.rows, (Rows{{"01월", "1", "4700", "700", "4000"},
                                 {"03월", "3", "3800", "500", "3300"},
                                 {"<총계>", "4", "8500", "1200", "7300"}}));
    EXPECT_EQ(year.months[1].number, 3);
    // A period without paid items has no rows at all, not even a total.
    EXPECT_TRUE(CategorySpending::Read(*db, ReportPeriod::OfMonth(2024, 2)).Table().rows.empty());
    EXPECT_TRUE(MonthlySpending::Read(*db, 2022).Table().rows.empty());

    EXPECT_EQ(PriceHistory::Products(*db), (std::vector<std::string>{"배추", "사과", "쌀"}));
    EXPECT_EQ(PriceHistory::Units(*db, "사과"), (std::vector<std::string>{"개", "kg"}));
    PriceHistory apples = PriceHistory::Read(*db, "사과", "개");
    EXPECT_EQ(apples.Shops(), (std::vector<std::string>{"가게A", "가게B"}));
    EXPECT_EQ(apples.Table().rows, (Rows{{"2024-03-02", "가게A", "500", "2", "7"},
                                         {"2024-03-05", "가게B", "300", "1", "8"},
                                         {"2024-03-09", "가게A", "500", "4", "9"}}));
  }
}

TEST_F(ChartNumbers, TablesExportAsTheItemsExportDoes) {
    ChartTable table = ShopSpending::Read(*db, ReportPeriod::OfMonth(2024, 3)).Table();
    table.rows.push_back({"=합계, \"특가\"", "-5", "12"});
    const std::string lines = "쇼핑점,횟수,쇼핑금액\r\n가게A,2,3500\r\n가게B,1,300\r\n<총계>,3,3800\r\n"
                              "\"'=합계, \"\"특가\"\"\",-5,12\r\n";
    EXPECT_EQ(table.Csv(ItemsExport::Encoding::Utf8, "x.csv"), "\xEF\xBB\xBF" + lines);
    std::string cp949 = table.Csv(ItemsExport::Encoding::Cp949, "x.csv");
    EXPECT_EQ(cp949.substr(0, 6), "\xBC\xEE\xC7\xCE\xC1\xA1");  // 쇼핑점
    table.rows.push_back({"가게 \xF0\x9F\x9B\x92", "1", "1"});     // a cart emoji CP949 lacks
    EXPECT_THROW(table.Csv(ItemsExport::Encoding::Cp949, "x.csv"), DeskFailure);
}

TEST(LargestSharesTest, KeepsTheLargestInTheirOrderAndSumsTheRest) {
    std::vector<LargestShares::Part> parts = {{"a", 5}, {"b", 50}, {"c", 7}, {"d", 40}, {"e", 7}};
    std::vector<LargestShares::Part> three = LargestShares::Of(parts, 3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].name + three[1].name, "bd");
    EXPECT_TRUE(three[2].others);
    EXPECT_EQ(three[2].amount, 19);
    EXPECT_EQ(LargestShares::Of(parts, 5).size(), 5u);
    EXPECT_EQ(LargestShares::Percent(1, 3), "33.3");
    EXPECT_EQ(LargestShares::Percent(0, 0), "0.0");
}

// The statistics dialog's report rows, the blank row left out, each cell
// trimmed of the blanks its labels carry (' 03월').
Rows StatsRows(CListCtrl& report, int columns) {
    Rows rows;
    for (int r = 0; r < report.GetItemCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < columns; ++c) {
            std::string cell = report.GetItemText(r, c).ToUtf8();
            row.push_back(cell.substr(cell.find_first_not_of(' ') == std::string::npos ? cell.size() : cell.find_first_not_of(' ')));
        }
        if (!row[0].empty()) rows.push_back(row);
    }
    return rows;
}

Rows FirstColumns(const ChartTable& table, int columns) {
    Rows rows;
    for (const auto& row : table.rows) rows.emplace_back(row.begin(), row.begin() + columns);
    return rows;
}

class CStatsReader : public CStatsDlg {
public:
    CListCtrl& Report() { return m_listReport; }
};

// Every month and year of ten years, every kind the charts show too: the
// statistics dialog's report and the chart's table, cell for cell.
TEST(ChartAgreement, ChartsAgreeWithTheStatisticsToTheWonOverTenYears) {
    std::filesystem::path root = std::filesystem::temp_directory_path() / ("chart-agreement-" + std::to_string(::getpid()));
    TenYearHousehold::Make(root, TenYearHousehold::kPaidItems);
    DeviceFileSystem::SetRoot(root);
    Database db(FirstInstallation::DatabasePath(root), Database::Mode::ReadOnly);
    int compared = 0;
    StepDriver driver;
    driver.Then([&](CDialog& top) {
        auto& dlg = static_cast<CStatsReader&>(top);
        auto report = [&](int kind, int year, int month) {
            DeviceClock::SetToday(year, month, 15);
            EXPECT_TRUE(DialogInput::ChooseEntry(dlg, IDC_ST_COMBO_KIND, kind));
            ++compared;
            return StatsRows(dlg.Report(), kind == 0 || kind == 1 ? 2 : 3);
        };
        for (int year = 2014; year <= 2025; ++year) {
            ReportPeriod y = ReportPeriod::OfYear(year);
            EXPECT_EQ(report(1, year, 6), FirstColumns(CategorySpending::Read(db, y).Table(), 2)) << year;
            EXPECT_EQ(report(3, year, 6), ShopSpending::Read(db, y).Table().rows) << year;
            EXPECT_EQ(report(4, year, 6), FirstColumns(MonthlySpending::Read(db, year).Table(), 3)) << year;
            for (int month = 1; month <= 12; ++month) {
                ReportPeriod m = ReportPeriod::OfMonth(year, month);
                EXPECT_EQ(report(0, year, month), FirstColumns(CategorySpending::Read(db, m).Table(), 2)) << m.Label();
                EXPECT_EQ(report(2, year, month), ShopSpending::Read(db, m).Table().rows) << m.Label();
            }
        }
    });
    CStatsReader dlg;
    EXPECT_FALSE(driver.Run(dlg));
    DeviceClock::UseRealTime();
    EXPECT_EQ(compared, 12 * 27);
    std::filesystem::remove_all(root);
}

} // namespace
