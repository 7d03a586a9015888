// The desk's jobs on ten years of a household's shopping.
// Run: build/bench/cartavel_bench --benchmark_filter=Desk
//
//   Desk/TenYears: a checked backup of the whole notebook to a file, and
//     the export of every paid item to CSV, each the median of repeated
//     runs; and the longest single step of a backup made in the window's
//     steps, which is the longest the window's event loop waits for it (the
//     window checks the finished copy on another thread).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "bench/BenchSummary.h"
#include "bench/BenchTiming.h"
#include "bench/TenYearHousehold.h"
#include "desk/Database.h"
#include "desk/ItemsExport.h"
#include "desk/OnlineBackup.h"
#include "tools/install/FirstInstallation.h"

namespace {

using BenchTiming::Clock;
using BenchTiming::Median;
using BenchTiming::MsSince;
constexpr int kRepeats = 7;

void DeskTenYears(benchmark::State& state) {
    std::filesystem::path root = std::filesystem::temp_directory_path() / ("cartavel-desk-" + std::to_string(::getpid()));
    TenYearHousehold::Make(root, TenYearHousehold::kPaidItems);
    std::filesystem::path notebook = FirstInstallation::DatabasePath(root);
    for (auto _ : state) {
        std::vector<double> backups, exports;
        double longestStep = 0;
        for (int r = 0; r < kRepeats; ++r) {
            std::filesystem::path copy = root / ("copy-" + std::to_string(r) + ".cdb");
            Clock::time_point start = Clock::now();
            OnlineBackup(notebook, copy).Run();
            backups.push_back(MsSince(start));

            OnlineBackup stepwise(notebook, root / ("steps-" + std::to_string(r) + ".cdb"));
            for (bool copied = false; !copied;) {
                Clock::time_point step = Clock::now();
                copied = stepwise.Copy();
                longestStep = std::max(longestStep, MsSince(step));
            }
            // The window checks the copy on a thread of its own.
            stepwise.Finish();

            start = Clock::now();
            Database db(notebook, Database::Mode::ReadOnly);
            std::string csv = ItemsExport::Csv(db, "0000-00-00", "9999-99-99", ItemsExport::Encoding::Utf8, "bench");
            exports.push_back(MsSince(start));
            benchmark::DoNotOptimize(csv);
        }
        std::printf("\nDesk on ten years (%d paid items), median of %d runs: backup %.1f ms, export %.1f ms; "
                    "longest backup step %.1f ms (%d pages a step)\n",
                    TenYearHousehold::kPaidItems, kRepeats, Median(backups), Median(exports), longestStep,
                    OnlineBackup::kStepPages);
        BenchSummary::Record("backup of ten years", Median(backups), "checked, to a file");
        BenchSummary::Record("export of ten years", Median(exports), "all items to CSV");
        BenchSummary::Record("longest backup step at ten years", longestStep, "the window's wait per step");
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(DeskTenYears)->Name("Desk/TenYears")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
