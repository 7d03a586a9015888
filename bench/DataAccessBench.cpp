// How fast the data loader fills a list view and carries out updates, against
// SQLite read directly. Run: build/bench/cartavel_bench

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "data/CDataLoader.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "platform/framework/CListCtrl.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"

namespace {

constexpr int kRows = 100000;
constexpr int kListId = 1012;

class ListOwner : public CWnd {
public:
    CWnd* GetDlgItem(int nID) const override { return nID == kListId ? const_cast<CListCtrl*>(&list) : nullptr; }
    CListCtrl list;
};

// One device with 100,000 unpaid, priced items, made once for every benchmark.
class Device {
public:
    static Device& Get() {
        static Device device;
        return device;
    }
    std::filesystem::path file;

private:
    Device() {
        root = std::filesystem::temp_directory_path() / ("cartavel-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(root);
        DeviceFileSystem::SetRoot(root);
        FirstInstallation::Install(root);
        file = FirstInstallation::DatabasePath(root);
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "insert into ShoppingList_tbl values (?, '과일', ?, 3, '개', 1200, 'Y', 100, 300, 3300, "
                           "'2024-03-15', '한빛마트', '', '')",
                           -1, &insert, nullptr);
        for (int i = 1; i <= kRows; ++i) {
            std::string product = "상품" + std::to_string(i % 5000);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_text(insert, 2, product.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~Device() { std::filesystem::remove_all(root); }
    std::filesystem::path root;
};

void SetUpColumns(CListCtrl& list) {
    for (int c = 0; c < 12; ++c) list.InsertColumn(c, u"c", LVCFMT_LEFT, 10);
}

void BM_FillControl(benchmark::State& state) {
    Device::Get();
    for (auto _ : state) {
        ListOwner owner;
        SetUpColumns(owner.list);
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        bool ok = loader->FillControl(Sql::kShoppingList, u"");
        if (!ok || owner.list.GetItemCount() != kRows) state.SkipWithError("fill failed");
        benchmark::DoNotOptimize(owner.list.GetItemText(kRows - 1, 11));
    }
}

// The same rows read straight from SQLite as UTF-16 texts into memory.
void BM_PlainSqliteLoop(benchmark::State& state) {
    Device& device = Device::Get();
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(device.file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        CString sql(Sql::kShoppingList);
        std::string utf8 = sql.ToUtf8();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, utf8.c_str(), -1, &stmt, nullptr);
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
        if (rows.size() != kRows) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(rows.back().back());
    }
}

void BM_ExecuteUpdateOneRow(benchmark::State& state) {
    Device::Get();
    ListOwner owner;
    int seq = 1;
    for (auto _ : state) {
        auto loader = std::make_unique<CDataLoader>(&owner, kListId);
        loader->Open();
        CString statement = CStatementBuilder::Format(
            Sql::kShoppingSave, {u"3", u"개", u"1200", u"300", u"3300", u"2024-03-16", u"한빛마트",
                                 CString::Formatted(u"%d", seq)});
        if (!loader->ExecuteUpdate(statement)) state.SkipWithError("update failed");
        seq = seq % kRows + 1;
    }
}

// A payment of 100 items: one loader, 100 updates by SeqNo.
void BM_ExecuteUpdatePayment(benchmark::State& state) {
    Device::Get();
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

BENCHMARK(BM_FillControl)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainSqliteLoop)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ExecuteUpdateOneRow)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_ExecuteUpdatePayment)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

// Runs the benchmarks, then prints the ratio of the two list fills.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    struct Ratio : benchmark::ConsoleReporter {
        double fill = 0, plain = 0;
        void ReportRuns(const std::vector<Run>& runs) override {
            for (const Run& r : runs) {
                if (r.benchmark_name().find("BM_FillControl") == 0) fill = r.GetAdjustedRealTime();
                if (r.benchmark_name().find("BM_PlainSqliteLoop") == 0) plain = r.GetAdjustedRealTime();
            }
            ConsoleReporter::ReportRuns(runs);
        }
    } reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.fill > 0 && reporter.plain > 0) {
        std::printf("FillControl / plain SQLite loop: %.2f (goal: at most 1.5)\n", reporter.fill / reporter.plain);
    }
    benchmark::Shutdown();
    return 0;
}
