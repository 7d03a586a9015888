// How long the statistics dialog takes to refresh a yearly report: the query
// of one year's paid items into the hidden list and the one pass that builds
// the report, on ten years of history. Goal: under 30 ms.
// Run: build/bench/cartavel_bench --benchmark_filter=StatsDlg
//
// The database, made once: the years 2015 to 2024, about 6,000 paid items a
// year in trips of 8 to 12 items, the busiest year (2020) a fifth above the
// rest; 40 categories, 400 products, 12 shops; and a few thousand planned or
// unpaid items that the query must pass over.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "bench/OneShotDriver.h"
#include "dialogs/CStatsDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/shell/DeviceClock.h"
#include "platform/shell/DeviceFileSystem.h"
#include "res/resource.h"
#include "tools/install/FirstInstallation.h"

namespace {

constexpr int kFirstYear = 2015;
constexpr int kYears = 10;
constexpr int kBusiestYear = 2020;
constexpr int kItemsPerYear = 6000;

// The dialog's refresh and builders within the benchmark's reach.
class CStatsTimedDlg : public CStatsDlg {
public:
    using CStatsDlg::BuildShopReport;
    using CStatsDlg::RefreshReport;
    const CListCtrl& Scratch() const { return m_listScratch; }
    const CListCtrl& Report() const { return m_listReport; }
};

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "bench setup: %s: %s\n", sql, error ? error : "?");
        std::exit(1);
    }
}

std::string DateText(int year, int dayOfYear) {
    using namespace std::chrono;
    year_month_day date{sys_days{std::chrono::year{year} / January / 1} + days{dayOfYear}};
    char text[16];
    std::snprintf(text, sizeof text, "%.4d-%.2d-%.2d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

class History {
public:
    static History& Get() {
        static History history;
        return history;
    }
    void Use() const { DeviceFileSystem::SetRoot(m_root); }
    std::filesystem::path File() const { return FirstInstallation::DatabasePath(m_root); }

private:
    History() {
        m_root = std::filesystem::temp_directory_path() / ("cartavel-stats-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        FirstInstallation::Install(m_root);
        sqlite3* db = nullptr;
        sqlite3_open(FirstInstallation::DatabasePath(m_root).c_str(), &db);
        Exec(db, "BEGIN");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "insert into ShoppingList_tbl values (?1, ?2, ?3, 1, '개', ?4, '', 0, 0, ?4, ?5, ?6, ?7, ?8)",
                           -1, &insert, nullptr);
        int seq = 0;
        int trip = 0;
        auto add = [&](int product, int amount, const std::string& date, int shop, int tripNo, bool paid) {
            sqlite3_bind_int(insert, 1, ++seq);
            std::string category = "분류" + std::to_string(product % 40);
            std::string name = "품목" + std::to_string(product);
            std::string store = "쇼핑점" + std::to_string(shop);
            sqlite3_bind_text(insert, 2, category.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 4, amount);
            sqlite3_bind_text(insert, 5, date.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 6, store.c_str(), -1, SQLITE_TRANSIENT);
            if (paid) sqlite3_bind_int(insert, 7, tripNo);
            else sqlite3_bind_null(insert, 7);
            sqlite3_bind_text(insert, 8, paid ? "Y" : "", -1, SQLITE_STATIC);
            if (sqlite3_step(insert) != SQLITE_DONE) {
                std::fprintf(stderr, "bench setup: %s\n", sqlite3_errmsg(db));
                std::exit(1);
            }
            sqlite3_reset(insert);
        };
        for (int year = kFirstYear; year < kFirstYear + kYears; ++year) {
            const int items = year == kBusiestYear ? kItemsPerYear * 6 / 5 : kItemsPerYear;
            int made = 0;
            for (int t = 0; made < items; ++t) {
                ++trip;
                const std::string date = DateText(year, t * 360 / (items / 10));
                const int size = 8 + trip % 5;
                for (int i = 0; i < size && made < items; ++i, ++made) {
                    add((trip * 37 + i * 11) % 400, 500 + (trip * 131 + i * 977) % 30000, date, trip % 12, trip, true);
                }
            }
            for (int i = 0; i < 300; ++i) add(i, 1000, DateText(year, i), i % 12, 0, false);
        }
        sqlite3_finalize(insert);
        Exec(db, "COMMIT");
        Exec(db, "ANALYZE");
        sqlite3_close(db);
    }
    ~History() { std::filesystem::remove_all(m_root); }

    std::filesystem::path m_root;
};

// Runs the dialog with today in the busiest year, chooses the kind, and
// measures the work on it.
void OnStatsDialog(benchmark::State& state, int nKind, const std::function<void(CStatsTimedDlg&)>& measure) {
    History::Get().Use();
    DeviceClock::SetToday(kBusiestYear, 6, 15);
    OneShotDriver driver([&](CDialog& shown) {
        auto& dlg = static_cast<CStatsTimedDlg&>(shown);
        if (!DialogInput::ChooseEntry(dlg, IDC_ST_COMBO_KIND, nKind) || dlg.Scratch().GetItemCount() < kItemsPerYear) {
            state.SkipWithError("the year's items did not load");
            return;
        }
        measure(dlg);
    });
    CStatsTimedDlg dlg;
    dlg.DoModal();
    DeviceClock::UseRealTime();
}

// A yearly kind of the busiest year: query, hidden list and report.
// Arg: the kind (1 by category, 3 by shop, 4 by month, 6 by product).
void BM_StatsDlgYearlyRefresh(benchmark::State& state) {
    OnStatsDialog(state, static_cast<int>(state.range(0)), [&](CStatsTimedDlg& dlg) {
        for (auto _ : state) {
            dlg.RefreshReport();
            benchmark::DoNotOptimize(dlg.Report().GetItemCount());
        }
        state.counters["items"] = dlg.Scratch().GetItemCount();
        state.counters["report_rows"] = dlg.Report().GetItemCount();
    });
}

// The builder's pass alone over the busiest year's items, by shop.
void BM_StatsDlgShopPassOnly(benchmark::State& state) {
    OnStatsDialog(state, 3, [&](CStatsTimedDlg& dlg) {
        for (auto _ : state) {
            dlg.BuildShopReport();
            benchmark::DoNotOptimize(dlg.Report().GetItemCount());
        }
    });
}

// For comparison: the same year's statement read straight from SQLite into
// UTF-16 texts, without the recordset, the loader or the lists.
void BM_StatsDlgPlainQuery(benchmark::State& state) {
    History::Get().Use();
    std::string sql = CStatementBuilder::Format(Sql::kStatsByCategory, {u"2020-01-01", u"2020-12-31"}).ToUtf8();
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(History::Get().File().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        std::vector<std::u16string> cells;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < 6; ++c) {
                auto* text = static_cast<const char16_t*>(sqlite3_column_text16(stmt, c));
                cells.emplace_back(text ? text : u"", static_cast<size_t>(sqlite3_column_bytes16(stmt, c)) / 2);
            }
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        if (cells.size() < 6 * kItemsPerYear) state.SkipWithError("the year's items were not read");
    }
}

BENCHMARK(BM_StatsDlgYearlyRefresh)->Arg(1)->Arg(3)->Arg(4)->Arg(6)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StatsDlgShopPassOnly)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_StatsDlgPlainQuery)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
