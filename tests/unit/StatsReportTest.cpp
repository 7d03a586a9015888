// The statistics reports, built by the dialog itself from rows put into its
// scratch list in the order the kind's statement gives them, into its report
// list with the columns the kind chose.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/DatabaseFixture.h"
#include "StepDriver.h"
#include "dialogs/CStatsDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"

namespace {

// The dialog with its builders and lists within a test's reach.
class CStatsProbe : public CStatsDlg {
public:
    using CStatsDlg::BuildCategoryReport;
    using CStatsDlg::BuildMonthReport;
    using CStatsDlg::BuildProductReport;
    using CStatsDlg::BuildShopReport;
    CListCtrl& Scratch() { return m_listScratch; }
    CListCtrl& Report() { return m_listReport; }
    int Kind() const { return m_nKind; }
};

struct ScratchRow {
    const char16_t* date;
    const char16_t* trip;
    const char16_t* shop;
    const char16_t* category;
    const char16_t* product;
    const char16_t* amount;
};

// Four items of three trips, as the worked example has them.
const ScratchRow kTripSevenA = {u"2024-03-02", u"7", u"shop A", u"X", u"rice", u"1000"};
const ScratchRow kTripSevenB = {u"2024-03-02", u"7", u"shop A", u"X", u"barley", u"500"};
const ScratchRow kTripNine = {u"2024-03-09", u"9", u"shop A", u"Y", u"apple", u"2000"};
const ScratchRow kTripEight = {u"2024-03-05", u"8", u"shop B", u"X", u"beans", u"300"};

class StatsReport : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        ASSERT_TRUE(DeviceClock::SetToday(2024, 3, 15));
    }
    void TearDown() override {
        DeviceClock::UseRealTime();
        DatabaseTest::TearDown();
    }

    // Runs the dialog, chooses the kind (its columns, and an empty report of
    // the empty database), then acts on it.
    void WithKind(int nKind, std::function<void(CStatsProbe&)> act) {
        driver.Then([nKind, act](CDialog& top) {
            auto& dlg = static_cast<CStatsProbe&>(top);
            ASSERT_TRUE(DialogInput::ChooseEntry(dlg, IDC_ST_COMBO_KIND, nKind));
            ASSERT_EQ(dlg.Kind(), nKind);
            act(dlg);
        });
        EXPECT_FALSE(driver.Run(dlg));
    }

    static void Load(CStatsProbe& dlg, std::initializer_list<ScratchRow> rows) {
        CListCtrl& scratch = dlg.Scratch();
        scratch.DeleteAllItems();
        for (const ScratchRow& row : rows) {
            int n = scratch.InsertItem(scratch.GetItemCount(), row.date);
            const char16_t* cells[] = {row.trip, row.shop, row.category, row.product, row.amount};
            for (int c = 0; c < 5; ++c) scratch.SetItemText(n, c + 1, cells[c]);
        }
    }

    static std::vector<std::string> Rows(const CListCtrl& list) {
        std::vector<std::string> rows;
        for (int r = 0; r < list.GetItemCount(); ++r) {
            std::string text;
            for (int c = 0; c < list.GetColumnCount(); ++c) text += (c ? "|" : "") + list.GetItemText(r, c).ToUtf8();
            rows.push_back(text);
        }
        return rows;
    }

    StepDriver driver;
    CStatsProbe dlg;
};

using Lines = std::vector<std::string>;

TEST_F(StatsReport, ShopsCountTripsAsRunsOfOneTripNumber) {
    WithKind(2, [](CStatsProbe& d) {
        Load(d, {kTripSevenA, kTripSevenB, kTripNine, kTripEight});
        d.BuildShopReport();
        EXPECT_EQ(Rows(d.Report()), (Lines{"shop A|2|3500", "shop B|1|300", "||", "<총계>|3|3800"}));
    });
}

TEST_F(StatsReport, MonthsGroupByTheDatesYearAndMonthAndKeepTheLeadingZero) {
    WithKind(4, [](CStatsProbe& d) {
        Load(d, {kTripSevenA, kTripSevenB, kTripEight, kTripNine});
        d.BuildMonthReport();
        EXPECT_EQ(Rows(d.Report()), (Lines{" 03월|3|3800", "||", "<총계>|3|3800"}));

        // A trip of the next year's March is another group, though the
        // month's digits are the same.
        Load(d, {{u"2023-12-30", u"2", u"s", u"c", u"p", u"10"}, {u"2024-01-02", u"3", u"s", u"c", u"p", u"20"},
                 {u"2024-01-02", u"3", u"s", u"c", u"p", u"5"}, {u"2025-01-09", u"4", u"s", u"c", u"p", u"1"}});
        d.BuildMonthReport();
        EXPECT_EQ(Rows(d.Report()), (Lines{" 12월|1|10", " 01월|1|25", " 01월|1|1", "||", "<총계>|3|36"}));
    });
}

TEST_F(StatsReport, CategoriesAndProductsSumTheirOwnItemsOnly) {
    WithKind(0, [](CStatsProbe& d) {
        Load(d, {kTripSevenA, kTripSevenB, kTripEight, kTripNine});
        d.BuildCategoryReport();
        EXPECT_EQ(Rows(d.Report()), (Lines{"X|1800", "Y|2000", "|", "<총계>|3800"}));
        ASSERT_TRUE(DialogInput::ChooseEntry(d, IDC_ST_COMBO_KIND, 5));
        Load(d, {kTripNine, kTripSevenB, kTripEight, kTripSevenA});
        d.BuildProductReport();
        EXPECT_EQ(Rows(d.Report()), (Lines{"apple|2000", "barley|500", "beans|300", "rice|1000", "|", "<총계>|3800"}));
    });
}

TEST_F(StatsReport, AnEmptyPeriodGivesTheBlankRowAloneAndReplacesAnOldReport) {
    WithKind(3, [](CStatsProbe& d) {
        Load(d, {kTripSevenA, kTripEight});
        d.BuildShopReport();
        ASSERT_EQ(d.Report().GetItemCount(), 4);
        Load(d, {});
        d.BuildShopReport();
        EXPECT_EQ(Rows(d.Report()), Lines{"||"});
        d.BuildMonthReport();
        EXPECT_EQ(Rows(d.Report()), Lines{"||"});
        d.BuildCategoryReport();
        EXPECT_EQ(Rows(d.Report()), Lines{"||"});
        d.BuildProductReport();
        EXPECT_EQ(Rows(d.Report()), Lines{"||"});
    });
}

TEST_F(StatsReport, AmountsCountTheirLeadingWholeNumberAndSumsNeverWrap) {
    WithKind(3, [](CStatsProbe& d) {
        Load(d, {{u"2024-01-02", u"1", u"s", u"c", u"p", u"1500.00"},
                 {u"2024-01-02", u"1", u"s", u"c", u"p", u"2147483647"},
                 {u"2024-02-02", u"2", u"s", u"c", u"p", u"2147483647"},
                 {u"2024-02-03", u"3", u"t", u"c", u"q", u"no digits"},
                 {u"2024-02-03", u"3", u"t", u"c", u"q", u"7"}});
        d.BuildShopReport();
        EXPECT_EQ(Rows(d.Report()), (Lines{"s|2|4294968794", "t|1|7", "||", "<총계>|3|4294968801"}));
        // The shop kind's three columns: the amount goes into the second.
        d.BuildCategoryReport();
        EXPECT_EQ(Rows(d.Report()), (Lines{"c|4294968801|", "||", "<총계>|4294968801|"}));
    });
}

// What a person sees of each kind: titles and widths are checked by the
// scenarios; here the alignment and the list's style, which they cannot see.
TEST_F(StatsReport, EachKindAlignsItsColumnsAndSelectsWholeRows) {
    const std::vector<std::vector<int>> formats = {
        {LVCFMT_LEFT, LVCFMT_RIGHT},
        {LVCFMT_LEFT, LVCFMT_RIGHT},
        {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT},
        {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT},
        {LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT},
        {LVCFMT_LEFT, LVCFMT_RIGHT},
        {LVCFMT_LEFT, LVCFMT_RIGHT},
    };
    driver.Then([&formats](CDialog& top) {
        auto& d = static_cast<CStatsProbe&>(top);
        EXPECT_EQ(d.Report().GetColumnCount(), 0);
        // In an order that goes from three columns to two and back.
        for (int nKind : {4, 0, 2, 5, 3, 1, 6}) {
            ASSERT_TRUE(DialogInput::ChooseEntry(d, IDC_ST_COMBO_KIND, nKind));
            const CListCtrl& report = d.Report();
            ASSERT_EQ(report.GetColumnCount(), static_cast<int>(formats[nKind].size())) << "kind " << nKind;
            for (int c = 0; c < report.GetColumnCount(); ++c) {
                EXPECT_EQ(report.Column(c).format, formats[nKind][c]) << "kind " << nKind << " column " << c;
            }
            EXPECT_EQ(report.GetExtendedStyle(), LVS_EX_FULLROWSELECT);
        }
    });
    EXPECT_FALSE(driver.Run(dlg));
}

} // namespace
