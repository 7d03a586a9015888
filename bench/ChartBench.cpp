// The reports window's charts on ten years of a household, on Qt's offscreen
// screen, and the growth of the reports from ten years to a century.
// Run: build/bench/cartavel_bench --benchmark_filter=Charts
//
//   Charts/TenYears: for each chart, its query, its series and the first
//     paint of the page (a grab of the chart view) for the busiest year; the
//     price line of the most bought product over all ten years. Median of
//     repeated runs.
//   Charts/Growth: the slowest yearly statistics refresh (the dialog itself,
//     kinds 1, 3, 4 and 6) and the slowest chart with 600,000 paid items
//     over a hundred years against 60,000 over ten, both at the same
//     density, for the year 2020.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QChartView>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSummary.h"
#include "bench/BenchTiming.h"
#include "bench/OneShotDriver.h"
#include "bench/TenYearHousehold.h"
#include "dialogs/CStatsDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/reports/CategoryChartPage.h"
#include "platform/qt/reports/MonthChartPage.h"
#include "platform/qt/reports/PriceChartPage.h"
#include "platform/qt/reports/ReportsWindow.h"
#include "platform/qt/reports/ShopChartPage.h"
#include "platform/shell/DeviceClock.h"
#include "platform/shell/DeviceFileSystem.h"
#include "res/resource.h"
#include "tools/install/FirstInstallation.h"

namespace {

using BenchTiming::Clock;
using BenchTiming::Median;
using BenchTiming::MsSince;
constexpr int kRepeats = 9;
constexpr int kYear = 2020;

QApplication& Application() {
    static int argc = 1;
    static char name[] = "cartavel_bench";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: Qt's own statics may go first at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

struct Household {
    Household(const std::string& name, int paid, int years) {
        root = std::filesystem::temp_directory_path() / ("cartavel-charts-" + std::to_string(::getpid()) + "-" + name);
        TenYearHousehold::Make(root, paid, years);
    }
    ~Household() { std::filesystem::remove_all(root); }
    std::filesystem::path File() const { return FirstInstallation::DatabasePath(root); }
    std::filesystem::path root;
};

struct ChartTime {
    std::string name;
    double ms;
};

// Each chart's refresh and first paint, the median of kRepeats.
std::vector<ChartTime> TimeCharts(const Household& household, bool withPrice) {
    Application();
    ReportsWindow window(household.File(), nullptr);
    window.resize(1100, 620);
    window.show();
    QApplication::processEvents();
    std::string product = TenYearHousehold::FirstValue(
        household.File(), "select ProdName from ShoppingList_tbl where PayYN = 'Y' group by ProdName order by count(*) desc limit 1");
    struct Chart {
        std::string name;
        int tab;
        std::function<void()> draw;
    };
    std::vector<Chart> charts = {
        {"분류별 " + std::to_string(kYear) + "년", 0, [&] { window.Categories().SetPeriod(ReportPeriod::OfYear(kYear)); }},
        {"월별 " + std::to_string(kYear) + "년", 1, [&] { window.Months().SetPeriod(ReportPeriod::OfYear(kYear)); }},
        {"쇼핑점별 " + std::to_string(kYear) + "년", 2, [&] { window.Shops().SetPeriod(ReportPeriod::OfYear(kYear)); }},
    };
    if (withPrice) {
        window.Tabs().setCurrentIndex(3);
        window.Prices().SetWholeHistory(true);
        window.Prices().ChooseProduct(QString::fromStdString(product));
        charts.push_back({"가격 변화 " + product + " 전체", 3, [&] { window.Prices().Refresh(); }});
    }
    std::vector<ChartTime> times;
    for (const Chart& chart : charts) {
        window.Tabs().setCurrentIndex(chart.tab);
        QApplication::processEvents();
        std::vector<double> samples;
        for (int r = 0; r < kRepeats; ++r) {
            Clock::time_point start = Clock::now();
            chart.draw();
            QPixmap painted = window.Current().View().grab();
            samples.push_back(MsSince(start));
            benchmark::DoNotOptimize(painted);
        }
        times.push_back({chart.name, Median(samples)});
    }
    return times;
}

// The statistics dialog's yearly refreshes of kYear, the slowest median.
ChartTime SlowestStatistics(const Household& household) {
    DeviceFileSystem::SetRoot(household.root);
    DeviceClock::SetToday(kYear, 6, 15);
    ChartTime slowest{"", 0};
    for (int kind : {1, 3, 4, 6}) {
        std::vector<double> samples;
        OneShotDriver driver([&](CDialog& shown) {
            for (int r = 0; r < kRepeats; ++r) {
                Clock::time_point start = Clock::now();
                DialogInput::ChooseEntry(shown, IDC_ST_COMBO_KIND, kind);
                samples.push_back(MsSince(start));
            }
        });
        CStatsDlg dlg;
        dlg.DoModal();
        double ms = Median(samples);
        if (ms > slowest.ms) slowest = {"CStatsDlg kind " + std::to_string(kind), ms};
    }
    DeviceClock::UseRealTime();
    return slowest;
}

void ChartsTenYears(benchmark::State& state) {
    Household household("ten", TenYearHousehold::kPaidItems, 10);
    for (auto _ : state) {
        std::vector<ChartTime> times = TimeCharts(household, true);
        std::printf("\nCharts on ten years (%d paid items), query + series + first paint, median of %d (ms):\n",
                    TenYearHousehold::kPaidItems, kRepeats);
        ChartTime slowest{"", 0};
        double price = 0;
        for (const ChartTime& t : times) {
            std::printf("%-40s %8.2f\n", t.name.c_str(), t.ms);
            if (t.name.rfind("가격", 0) == 0) price = t.ms;
            else if (t.ms > slowest.ms) slowest = t;
        }
        BenchSummary::Record("slowest chart at ten years", slowest.ms,
                             slowest.name + "; price line of the most bought product " + std::to_string(price).substr(0, 5) + " ms");
    }
}
BENCHMARK(ChartsTenYears)->Name("Charts/TenYears")->Iterations(1)->Unit(benchmark::kMillisecond);

void ChartsGrowth(benchmark::State& state) {
    Household ten("growth-60k", TenYearHousehold::kPaidItems, 10);
    Household century("growth-600k", TenYearHousehold::kPaidItems * 10, 100);
    for (auto _ : state) {
        std::printf("\nReports of %d with 60,000 paid items over ten years and 600,000 over a century (median ms):\n", kYear);
        double worst = 0;
        std::string worstName;
        auto compare = [&](const std::string& name, double few, double many) {
            double ratio = few > 0 ? many / few : 0;
            std::printf("%-40s %9.2f %9.2f %7.2f\n", name.c_str(), few, many, ratio);
            if (ratio > worst) {
                worst = ratio;
                worstName = name;
            }
        };
        ChartTime a = SlowestStatistics(ten), b = SlowestStatistics(century);
        compare("slowest statistics: " + a.name, a.ms, b.ms);
        std::vector<ChartTime> few = TimeCharts(ten, false), many = TimeCharts(century, false);
        double slowFew = 0, slowMany = 0;
        for (size_t i = 0; i < few.size(); ++i) {
            slowFew = std::max(slowFew, few[i].ms);
            slowMany = std::max(slowMany, many[i].ms);
        }
        compare("slowest chart", slowFew, slowMany);
        BenchSummary::Record("report growth 60k to 600k paid", worst, worstName);
    }
}
BENCHMARK(ChartsGrowth)->Name("Charts/Growth")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
