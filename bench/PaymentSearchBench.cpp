// The search's month refresh and a checkout, as a person runs them on the
// headless screen. Run: build/bench/cartavel_bench --benchmark_filter='Search|Payment'
//
// One database of ten years of history (2015 to 2024): 120 months of 50
// trips of 10 paid items, 60,000 rows in all.
//   Search/MonthStep: one tap on "▶" or "◀" between two full months, each
//     reading 500 items and folding them into 50 trips.
//   Payment/HundredItems: 100 priced items on top of that history, the
//     checkout opened in NEW mode, "처리" tapped: the trip-number query and
//     100 updates, each its own transaction, synchronised to disk as
//     SQLite's default (FULL) does. The rows are made unpaid again between
//     runs, outside the timing. /0 on a rollback journal, as files from
//     older installations keep, /1 on the write-ahead log that the
//     installation now sets.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/OneShotDriver.h"
#include "dialogs/CPaymentDlg.h"
#include "dialogs/CSearchDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/shell/DeviceClock.h"
#include "platform/shell/DeviceFileSystem.h"
#include "res/resource.h"
#include "tools/install/FirstInstallation.h"

namespace {

constexpr int kMonths = 120;
constexpr int kTripsPerMonth = 50;
constexpr int kItemsPerTrip = 10;
constexpr int kHistoryRows = kMonths * kTripsPerMonth * kItemsPerTrip;
constexpr int kPaymentItems = 100;

void Run(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "bench setup: %s: %s\n", sql, error ? error : "?");
        std::exit(1);
    }
}

class History {
public:
    static History& Get() {
        static History history;
        return history;
    }
    void Use() const { DeviceFileSystem::SetRoot(m_root); }
    // Makes the checkout's items priced and unpaid again.
    void Unpay() const {
        sqlite3* db = Open();
        Run(db, "update ShoppingList_tbl set MgrNo = NULL, PayYN = '' where SeqNo > 60000");
        sqlite3_close(db);
    }
    // The file's journal mode; it stays with the file for every later connection.
    void SetJournal(const char* mode) const {
        sqlite3* db = Open();
        Run(db, (std::string("PRAGMA journal_mode=") + mode).c_str());
        sqlite3_close(db);
    }
    std::string Count(const char* sql) const {
        sqlite3* db = Open();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        std::string out = sqlite3_step(stmt) == SQLITE_ROW ? std::to_string(sqlite3_column_int(stmt, 0)) : "?";
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return out;
    }

private:
    History() {
        m_root = std::filesystem::temp_directory_path() / ("cartavel-bench-history-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        FirstInstallation::Install(m_root);
        sqlite3* db = Open();
        Run(db, "BEGIN");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "insert into ShoppingList_tbl values (?1, '과일', '상품' || (?1 % 997), 1, '개', ?2, '', 0, "
                           "0, ?2, ?3, ?4, ?5, ?6)",
                           -1, &insert, nullptr);
        int seq = 0;
        for (int month = 0; month < kMonths; ++month) {
            for (int trip = 0; trip < kTripsPerMonth; ++trip) {
                char date[16];
                std::snprintf(date, sizeof date, "%.4d-%.2d-%.2d", 2015 + month / 12, month % 12 + 1, trip % 28 + 1);
                for (int item = 0; item < kItemsPerTrip; ++item) {
                    ++seq;
                    Insert(insert, seq, 100 + seq % 9000, date, trip % 3 ? "한빛마트" : "새벽시장",
                           month * kTripsPerMonth + trip + 1, "Y");
                }
            }
        }
        for (int item = 0; item < kPaymentItems; ++item) Insert(insert, ++seq, 1500, "2025-01-10", "한빛마트", 0, "");
        sqlite3_finalize(insert);
        Run(db, "COMMIT");
        Run(db, "ANALYZE");
        sqlite3_close(db);
        Unpay();
    }
    ~History() { std::filesystem::remove_all(m_root); }

    static void Insert(sqlite3_stmt* insert, int seq, int amount, const char* date, const char* store, int trip,
                       const char* paid) {
        sqlite3_bind_int(insert, 1, seq);
        sqlite3_bind_int(insert, 2, amount);
        sqlite3_bind_text(insert, 3, date, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, store, -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 5, trip);
        sqlite3_bind_text(insert, 6, paid, -1, SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE) std::exit(1);
        sqlite3_reset(insert);
    }
    sqlite3* Open() const {
        sqlite3* db = nullptr;
        sqlite3_open(FirstInstallation::DatabasePath(m_root).c_str(), &db);
        return db;
    }

    std::filesystem::path m_root;
};

void SearchMonthStep(benchmark::State& state) {
    History::Get().Use();
    DeviceClock::SetToday(2020, 6, 15);
    CSearchDlg search;
    OneShotDriver driver([&](CDialog& top) {
        bool forward = true;
        for (auto _ : state) {
            DialogInput::ClickButton(top, forward ? IDC_SR_BTN_NEXT : IDC_SR_BTN_PREV);
            forward = !forward;
        }
        if (top.GetDlgItem(IDC_SR_EDIT_TOTAL)->WindowText().IsEmpty()) state.SkipWithError("the month read nothing");
    });
    search.DoModal();
    DeviceClock::UseRealTime();
}
BENCHMARK(SearchMonthStep)->Name("Search/MonthStep")->Unit(benchmark::kMillisecond);

// Argument 0 runs on a rollback journal, argument 1 on a write-ahead log
// (still synchronised at each commit), to show what the journal costs.
void PaymentHundredItems(benchmark::State& state) {
    History& history = History::Get();
    history.Use();
    history.SetJournal(state.range(0) ? "WAL" : "DELETE");
    for (auto _ : state) {
        CPaymentDlg pay;
        pay.m_strMode = u"NEW";
        pay.m_strShpDate = u"2025-01-10";
        pay.m_strStoreName = u"한빛마트";
        OneShotDriver driver([](CDialog& top) { DialogInput::ClickButton(top, IDC_PM_BTN_PROCESS); });
        pay.DoModal();
        state.PauseTiming();
        if (history.Count("select count(*) from ShoppingList_tbl where MgrNo = 6001 and PayYN = 'Y'") != "100") {
            state.SkipWithError("the payment did not pay the hundred items");
        }
        history.Unpay();
        state.ResumeTiming();
    }
    history.SetJournal("DELETE");
}
BENCHMARK(PaymentHundredItems)->Name("Payment/HundredItems")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
