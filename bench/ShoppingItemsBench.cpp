// How long the shopping items dialog takes to open on a long list: the
// person taps "쇼핑시작" and waits for 10,000 unpaid items (half planned,
// half priced), their total, and the unit list.
// Run: build/bench/cartavel_bench --benchmark_filter=ShopItems

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/OneShotDriver.h"
#include "dialogs/CShopItemsDlg.h"
#include "platform/framework/CListCtrl.h"
#include "platform/shell/DeviceFileSystem.h"
#include "res/resource.h"
#include "tools/install/FirstInstallation.h"

namespace {

constexpr int kItems = 10000;

void Run(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "bench setup: %s: %s\n", sql, error ? error : "?");
        std::exit(1);
    }
}

// A device with the unpaid items, made once for the whole run.
class ShoppingDevice {
public:
    ShoppingDevice() {
        m_root = std::filesystem::temp_directory_path() / ("cartavel-shopbench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        FirstInstallation::Install(m_root);
        sqlite3* db = nullptr;
        sqlite3_open(FirstInstallation::DatabasePath(m_root).c_str(), &db);
        Run(db, "BEGIN");
        Run(db, "insert into Unit_tbl values ('개'); insert into Unit_tbl values ('봉지'); "
                "insert into Unit_tbl values ('kg')");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "insert into ShoppingList_tbl values (?1, '과일', ?2, 3, '개', ?3, 'Y', 100, ?4, ?5, ?6, "
                           "?7, '', '')",
                           -1, &insert, nullptr);
        for (int i = 1; i <= kItems; ++i) {
            bool bPriced = i % 2 == 0;
            std::string product = "상품" + std::to_string(i * 7919 % kItems);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_text(insert, 2, product.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 3, bPriced ? 1200 : 0);
            sqlite3_bind_int(insert, 4, bPriced ? 300 : 0);
            sqlite3_bind_int(insert, 5, bPriced ? 3300 : 0);
            sqlite3_bind_text(insert, 6, bPriced ? "2024-03-15" : "", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 7, bPriced ? "한빛마트" : "", -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        Run(db, "COMMIT");
        sqlite3_close(db);
        DeviceFileSystem::SetRoot(m_root);
    }
    ~ShoppingDevice() { std::filesystem::remove_all(m_root); }

private:
    std::filesystem::path m_root;
};

void BM_ShopItemsOpen(benchmark::State& state) {
    static ShoppingDevice device;
    int nRows = 0;
    CString strTotal;
    OneShotDriver person([&](CDialog& shown) {
        nRows = static_cast<CListCtrl*>(shown.GetDlgItem(IDC_SI_LIST))->GetItemCount();
        shown.GetDlgItem(IDC_SI_EDIT_TOTAL)->GetWindowText(strTotal);
    });
    for (auto _ : state) {
        CShopItemsDlg dialog;
        dialog.m_strShpDate = u"2024-03-15";
        dialog.m_strStoreName = u"한빛마트";
        dialog.DoModal();
    }
    // 5,000 priced items of 3,300 each.
    if (nRows != kItems || strTotal != CString(u"16500000")) {
        state.SkipWithError("the dialog did not show the items and their total");
    }
}

} // namespace

BENCHMARK(BM_ShopItemsOpen)->Unit(benchmark::kMillisecond)->Iterations(10);
