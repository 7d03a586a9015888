// How fast the data loader fills a list view and carries out updates, against
// SQLite read directly, and what the installed indexes are worth.
// Run: build/bench/cartavel_bench (a Release or RelWithDebInfo build).
//
// Two databases of 100,000 rows of ShoppingList_tbl, each made once:
//   unpaid:  every row priced and unpaid, the plan's and the shopping list's
//            worst case (the whole table goes into the list view);
//   history: three years of 9,900 paid trips of 10 items each, and 1,000
//            planned or bought rows; the search, the statistics and the
//            payment's trip number read it.
// Each runs with the installed schema, and against a copy that lacks (or has
// an extra) index, so that the figures show which indexes earn their keep.
// Comparisons that decide something run in turns and count processor time:
// on a shared machine, and with a heap that the first big fill warms for the
// second, separate runs differ by a third from one run to the next.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSummary.h"
#include "data/CDataLoader.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "platform/framework/CListCtrl.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"

namespace {

constexpr int kRows = 100000;
constexpr int kTrips = 9900;
constexpr int kListId = 1012;

class ListOwner : public CWnd {
public:
    CWnd* GetDlgItem(int nID) const override { return nID == kListId ? const_cast<CListCtrl*>(&list) : nullptr; }
    CListCtrl list;
};

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "bench setup: %s: %s\n", sql, error ? error : "?");
        std::exit(1);
    }
}

std::string DateOfDay(int day) {  // day 0 is 2021-01-01
    using namespace std::chrono;
    year_month_day date{sys_days{year{2021} / January / 1} + days{day}};
    char text[16];
    std::snprintf(text, sizeof text, "%.4d-%.2d-%.2d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// The device roots of the benchmarks, made once and removed at the end.
class Devices {
public:
    enum Kind { Unpaid, UnpaidSorted, UnpaidForUpdates, History, HistoryBare };

    static Devices& Get() {
        static Devices devices;
        return devices;
    }
    // Makes the device of that kind the one the loader opens; its database.
    std::filesystem::path Use(Kind kind) {
        DeviceFileSystem::SetRoot(Root(kind));
        return FirstInstallation::DatabasePath(Root(kind));
    }

private:
    Devices() {
        base = std::filesystem::temp_directory_path() / ("cartavel-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(base);
        Fill(Unpaid, [](sqlite3_stmt* insert, int i) {
            std::string product = "상품" + std::to_string(i % 5000);
            sqlite3_bind_text(insert, 2, product.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 3, 3300);
            sqlite3_bind_text(insert, 4, "2024-03-15", -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 5, "", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 6, "", -1, SQLITE_STATIC);
        });
        CopyOf(Unpaid, UnpaidSorted, "DROP INDEX ShoppingList_Unpaid");
        CopyOf(Unpaid, UnpaidForUpdates, nullptr);
        Fill(History, [](sqlite3_stmt* insert, int i) {
            std::string product = "상품" + std::to_string(i * 7919 % 5000);
            sqlite3_bind_text(insert, 2, product.c_str(), -1, SQLITE_TRANSIENT);
            int trip = (i - 1) / 10 + 1;
            if (trip <= kTrips) {
                sqlite3_bind_int(insert, 3, 3300);
                sqlite3_bind_text(insert, 4, DateOfDay((trip - 1) * 1096 / kTrips).c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(insert, 5, trip);
                sqlite3_bind_text(insert, 6, "Y", -1, SQLITE_STATIC);
            } else if (i % 2) {  // planned
                sqlite3_bind_int(insert, 3, 0);
                sqlite3_bind_text(insert, 4, "", -1, SQLITE_STATIC);
                sqlite3_bind_text(insert, 5, "", -1, SQLITE_STATIC);
                sqlite3_bind_text(insert, 6, "", -1, SQLITE_STATIC);
            } else {  // bought, or a payment undone
                sqlite3_bind_int(insert, 3, 3300);
                sqlite3_bind_text(insert, 4, "2024-01-02", -1, SQLITE_STATIC);
                sqlite3_bind_int(insert, 5, 0);
                sqlite3_bind_text(insert, 6, "", -1, SQLITE_STATIC);
            }
        });
        CopyOf(History, HistoryBare, "DROP INDEX ShoppingList_ShpDate; DROP INDEX ShoppingList_MgrNo");
    }
    ~Devices() { std::filesystem::remove_all(base); }

    std::filesystem::path Root(Kind kind) const { return base / std::to_string(kind); }

    template <class Bind>
    void Fill(Kind kind, Bind bind) {
        FirstInstallation::Install(Root(kind));
        sqlite3* db = nullptr;
        sqlite3_open(FirstInstallation::DatabasePath(Root(kind)).c_str(), &db);
        Exec(db, "BEGIN");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "insert into ShoppingList_tbl values (?1, '과일', ?2, 3, '개', 1200, 'Y', 100, 300, ?3, ?4, "
                           "'한빛마트', ?5, ?6)",
                           -1, &insert, nullptr);
        for (int i = 1; i <= kRows; ++i) {
            sqlite3_bind_int(insert, 1, i);
            bind(insert, i);
            if (sqlite3_step(insert) != SQLITE_DONE) {
                std::fprintf(stderr, "bench setup: %s\n", sqlite3_errmsg(db));
                std::exit(1);
            }
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        Exec(db, "COMMIT");
        Exec(db, "ANALYZE");  // as a database in use would have it; changes no plan here
        sqlite3_close(db);
    }

    void CopyOf(Kind from, Kind to, const char* change) {
        std::filesystem::path file = FirstInstallation::DatabasePath(Root(to));
        std::filesystem::create_directories(file.parent_path());
        std::filesystem::copy_file(FirstInstallation::DatabasePath(Root(from)), file);
        if (!change) return;
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        Exec(db, change);
        sqlite3_close(db);
    }

    std::filesystem::path base;
};

void SetUpColumns(CListCtrl& list, int count) {
    for (int c = 0; c < count; ++c) list.InsertColumn(c, u"c", LVCFMT_LEFT, 10);
}

// The plan's and the shopping list's statement into a list view of 12
// columns, as the dialogs fill it.
bool FillOnce() {
    ListOwner owner;
    SetUpColumns(owner.list, 12);
    auto loader = std::make_unique<CDataLoader>(&owner, kListId);
    loader->Open();
    bool ok = loader->FillControl(Sql::kShoppingList, u"") && owner.list.GetItemCount() == kRows;
    benchmark::DoNotOptimize(owner.list.GetItemText(kRows - 1, 11));
    return ok;
}

// The same rows read straight from SQLite as UTF-16 texts into memory.
bool PlainOnce(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::string sql = CString(Sql::kShoppingList).ToUtf8();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    std::vector<std::vector<std::u16string>> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<std::u16string> row;
        row.reserve(12);
        for (int c = 0; c < 12; ++c) {
            auto* text = static_cast<const char16_t*>(sqlite3_column_text16(stmt, c));
            row.emplace_back(text ? text : u"", static_cast<size_t>(sqlite3_column_bytes16(stmt, c)) / 2);
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    benchmark::DoNotOptimize(rows.back().back());
    return rows.size() == kRows;
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

void BM_FillControl(benchmark::State& state) {
    Devices::Get().Use(Devices::Unpaid);
    for (auto _ : state) {
        if (!FillOnce()) state.SkipWithError("fill failed");
    }
}

void BM_PlainSqliteLoop(benchmark::State& state) {
    std::filesystem::path file = Devices::Get().Use(Devices::Unpaid);
    for (auto _ : state) {
        if (!PlainOnce(file)) state.SkipWithError("read failed");
    }
}

// The two in turns, timed by processor time, so that other work on the
// machine weighs on both alike: the ratio of the issue.
void BM_FillVsPlain(benchmark::State& state) {
    std::filesystem::path file = Devices::Get().Use(Devices::Unpaid);
    double fill = 0, plain = 0;
    for (auto _ : state) {
        double start = CpuSeconds();
        if (!PlainOnce(file)) state.SkipWithError("read failed");
        double middle = CpuSeconds();
        if (!FillOnce()) state.SkipWithError("fill failed");
        double end = CpuSeconds();
        plain += middle - start;
        fill += end - middle;
    }
    double n = static_cast<double>(state.iterations());
    state.counters["fill_ms"] = fill / n * 1000;
    state.counters["plain_ms"] = plain / n * 1000;
    state.counters["ratio"] = plain > 0 ? fill / plain : 0;
}

// The fill of a file from before the index of unpaid rows (a sort of the
// rows by ProdName) and of the installed file (read in that index's order),
// in turns, processor time: what the index does to the worst case, where
// every row is unpaid.
void BM_FillSortVsIndex(benchmark::State& state) {
    double sorted = 0, indexed = 0;
    for (auto _ : state) {
        Devices::Get().Use(Devices::UnpaidSorted);
        double start = CpuSeconds();
        if (!FillOnce()) state.SkipWithError("fill failed");
        Devices::Get().Use(Devices::Unpaid);
        double middle = CpuSeconds();
        if (!FillOnce()) state.SkipWithError("fill failed");
        double end = CpuSeconds();
        sorted += middle - start;
        indexed += end - middle;
    }
    double n = static_cast<double>(state.iterations());
    state.counters["sorted_ms"] = sorted / n * 1000;
    state.counters["by_index_ms"] = indexed / n * 1000;
    state.counters["index_ratio"] = sorted > 0 ? indexed / sorted : 0;
}

// Saving one priced item: one ExecuteUpdate by SeqNo.
void BM_ExecuteUpdateOneRow(benchmark::State& state) {
    Devices::Get().Use(Devices::UnpaidForUpdates);
    ListOwner owner;
    int seq = 1;
    for (auto _ : state) {
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        CString statement = CStatementBuilder::Format(
            Sql::kShoppingSave, {u"3", u"개", u"1200", u"300", u"3300", u"2024-03-16", u"한빛마트",
                                 CString::Formatted(u"%d", seq)});
        if (!loader->ExecuteUpdate(statement)) state.SkipWithError("update failed");
        seq = seq * 7 % kRows + 1;
    }
}

// A payment of 100 items: one loader, 100 updates by SeqNo.
void BM_ExecuteUpdatePayment(benchmark::State& state) {
    Devices::Get().Use(Devices::UnpaidForUpdates);
    ListOwner owner;
    int trip = 1;
    for (auto _ : state) {
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        for (int i = 1; i <= 100; ++i) {
            CString statement = CStatementBuilder::Format(
                Sql::kPaymentSettle, {CString::Formatted(u"%d", trip), u"2024-03-16", u"한빛마트",
                                      CString::Formatted(u"%d", (trip * 100 + i) % kRows + 1)});
            if (!loader->ExecuteUpdate(statement)) state.SkipWithError("update failed");
        }
        ++trip;
    }
}

// Arg 0: without the ShpDate and MgrNo indexes; 1: the installed schema.
Devices::Kind HistoryOf(const benchmark::State& state) {
    return state.range(0) ? Devices::History : Devices::HistoryBare;
}

// The new trip number of a payment.
void BM_NextTripNumber(benchmark::State& state) {
    Devices::Get().Use(HistoryOf(state));
    ListOwner owner;
    for (auto _ : state) {
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        if (loader->FetchFirstRow(Sql::kLastMgrNo) != CString::Formatted(u"%d\x1F", kTrips)) {
            state.SkipWithError("wrong trip number");
        }
    }
}

// The search of one month.
void BM_SearchMonth(benchmark::State& state) {
    Devices::Get().Use(HistoryOf(state));
    for (auto _ : state) {
        ListOwner owner;
        SetUpColumns(owner.list, 4);
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        loader->FillControl(CStatementBuilder::Format(Sql::kSearchMonth, {u"2022-06-01", u"2022-06-31"}), u"");
        if (owner.list.GetItemCount() < 2000) state.SkipWithError("search found too little");
    }
}

// The statistics of one year by category.
void BM_StatsYear(benchmark::State& state) {
    Devices::Get().Use(HistoryOf(state));
    for (auto _ : state) {
        ListOwner owner;
        SetUpColumns(owner.list, 6);
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        loader->FillControl(CStatementBuilder::Format(Sql::kStatsByCategory, {u"2022-01-01", u"2022-12-31"}), u"");
        if (owner.list.GetItemCount() < 30000) state.SkipWithError("statistics found too little");
    }
}

// Undoing a trip's payment: ExecuteUpdate over "WHERE MgrNo=%s".
void BM_UndoTrip(benchmark::State& state) {
    Devices::Get().Use(HistoryOf(state));
    ListOwner owner;
    static std::map<int, int> nextTrip;  // each run undoes trips not undone yet
    int& trip = nextTrip[static_cast<int>(state.range(0))];
    if (trip == 0) trip = 1;
    for (auto _ : state) {
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        if (!loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kPaymentUndo, {CString::Formatted(u"%d", trip)}))) {
            state.SkipWithError("undo failed");
        }
        trip += 7;
    }
}

BENCHMARK(BM_FillControl)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainSqliteLoop)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FillVsPlain)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_FillSortVsIndex)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_ExecuteUpdateOneRow)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_ExecuteUpdatePayment)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_NextTripNumber)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Iterations(20);
BENCHMARK(BM_SearchMonth)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StatsYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_UndoTrip)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Iterations(20);

} // namespace

// Runs the benchmarks, then prints the ratio of the two list fills and what
// each index is worth.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    struct Summary : benchmark::ConsoleReporter {
        std::map<std::string, double> times;  // real time per iteration, by name
        std::map<std::string, double> counters;  // by counter name
        void ReportRuns(const std::vector<Run>& runs) override {
            for (const Run& r : runs) {
                if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
                times[r.benchmark_name()] = r.GetAdjustedRealTime();
                for (const auto& [name, counter] : r.counters) counters[name] = counter.value;
            }
            ConsoleReporter::ReportRuns(runs);
        }
        double Of(const std::string& prefix) const {
            for (const auto& [name, time] : times) {
                if (name.rfind(prefix, 0) == 0) return time;
            }
            return 0;
        }
    } summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    double fill = summary.Of("BM_FillControl"), plain = summary.Of("BM_PlainSqliteLoop");
    if (summary.counters.count("ratio")) BenchSummary::Record("fill ratio", summary.counters["ratio"]);
    if (summary.counters.count("ratio")) {
        std::printf("FillControl / plain SQLite loop, in turns, processor time: %.2f (goal: at most 1.2)\n",
                    summary.counters["ratio"]);
    }
    if (fill > 0 && plain > 0) std::printf("the same, each on its own, real time: %.2f\n", fill / plain);
    if (summary.counters.count("index_ratio")) {
        std::printf("the index of unpaid rows makes the fill %.2f times as long as a sort (in turns, processor time)\n",
                    summary.counters["index_ratio"]);
    }
    for (const char* name : {"BM_NextTripNumber", "BM_SearchMonth", "BM_StatsYear", "BM_UndoTrip"}) {
        double bare = summary.Of(std::string(name) + "/0"), indexed = summary.Of(std::string(name) + "/1");
        if (bare > 0 && indexed > 0) {
            std::printf("%s: without the indexes %.1f times as long as with them\n", name, bare / indexed);
        }
    }
    BenchSummary::Print();
    benchmark::Shutdown();
    return 0;
}
