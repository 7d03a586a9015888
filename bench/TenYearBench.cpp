// Every screen on ten years of a household's shopping, through the real
// dialogs on the headless screen, as a person opens and refreshes them.
// Run: build/bench/cartavel_bench --benchmark_filter=TenYear
//
//   TenYear/Screens: each dialog opened (construction to the end of
//     OnInitDialog) and each of its refreshes, the median of repeated runs,
//     in one table.
//   TenYear/PaymentAndUndo: "처리" on 100 priced items, and "취소" of a trip
//     of the history, on the installed file, on a rollback journal, and
//     without each index in turn: what the journal and each index cost the
//     writes.
//   TenYear/UnpaidGrowth: the plan, the shopping list and the NEW payment
//     list opened with 6,000 and with 60,000 paid items beside the same 300
//     unpaid ones, on the installed file and on one from before the index of
//     unpaid rows.
// Times are wall-clock: they include the synced commits of the writes.

#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSummary.h"
#include "bench/BenchTiming.h"
#include "bench/PgBenchServer.h"
#include "bench/OneShotDriver.h"
#include "bench/TenYearHousehold.h"
#include "desk/Database.h"
#include "desk/NotebookJson.h"
#include "desk/SharedNotebook.h"
#include "dialogs/CBasicInfoDlg.h"
#include "dialogs/CPaymentDlg.h"
#include "dialogs/CPlanDlg.h"
#include "dialogs/CSearchDlg.h"
#include "dialogs/CShopItemsDlg.h"
#include "dialogs/CShopStartDlg.h"
#include "dialogs/CStatsDlg.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/DialogInput.h"
#include "platform/recordset/DatabaseChoice.h"
#include "platform/recordset/PgLink.h"
#include "platform/shell/DeviceClock.h"
#include "platform/shell/DeviceFileSystem.h"
#include "res/resource.h"
#include "tools/install/FirstInstallation.h"
#include "tools/install/PostgresInstallation.h"

namespace {

using BenchTiming::Clock;
using BenchTiming::Median;
using BenchTiming::MsSince;
constexpr int kRepeats = 11;
constexpr const char16_t* kShopDate = u"2024-12-15";
constexpr const char16_t* kShop = u"상점003";

// A device made once per run, removed at the end; with a connection, its
// household is copied into that shared notebook, which the program then uses.
class Device {
public:
    Device(const std::string& name, int paidItems, std::string shared = {}) : m_shared(std::move(shared)) {
        m_root = std::filesystem::temp_directory_path() / ("cartavel-tenyear-" + std::to_string(::getpid()) + "-" + name);
        m_made = TenYearHousehold::Make(m_root, paidItems);
        if (!m_shared.empty()) CopyToShared();
    }
    ~Device() {
        PQfinish(m_link);
        std::filesystem::remove_all(m_root);
    }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    void Use() const {
        DeviceFileSystem::SetRoot(m_root);
        if (m_shared.empty()) DatabaseChoice::UseFile();
        else DatabaseChoice::UsePostgres(m_shared);
    }
    std::filesystem::path File() const { return FirstInstallation::DatabasePath(m_root); }
    void Sql(const std::string& sql) const {
        if (m_link) Shared(sql);
        else TenYearHousehold::Run(File(), sql);
    }
    std::string Value(const std::string& sql) const {
        if (!m_link) return TenYearHousehold::FirstValue(File(), sql);
        PGresult* result = Shared(sql);
        std::string value = PQntuples(result) ? PQgetvalue(result, 0, 0) : "";
        PQclear(result);
        return value;
    }
    const TenYearHousehold::Made& Made() const { return m_made; }

private:
    // Through the notebook's JSON, as a household moves its file to a server.
    void CopyToShared() {
        Database file(File(), Database::Mode::ReadOnly);
        std::string json = NotebookJson::Export(file);
        FirstInstallation::Result installed = PostgresInstallation::Install(m_shared);
        if (installed.outcome == FirstInstallation::Outcome::Failed) Fail(installed.message);
        SharedNotebook notebook(m_shared);
        NotebookJson::Import(notebook, json, "ten years");
        std::string error;
        m_link = PgLink::Connect(m_shared, error);
        if (!m_link) Fail(error);
        PQclear(Shared("ANALYZE"));
    }
    PGresult* Shared(const std::string& sql) const {
        PGresult* result = PQexec(m_link, sql.c_str());
        if (PQresultStatus(result) != PGRES_COMMAND_OK && PQresultStatus(result) != PGRES_TUPLES_OK) {
            Fail(PQresultErrorMessage(result) + ("in: " + sql));
        }
        return result;
    }
    [[noreturn]] static void Fail(const std::string& why) {
        std::fprintf(stderr, "the shared notebook: %s\n", why.c_str());
        std::exit(1);
    }

    std::filesystem::path m_root;
    TenYearHousehold::Made m_made;
    std::string m_shared;
    PGconn* m_link = nullptr;
};

// Runs one dialog and tells how long it took to show: `work` gets it once
// it shows; then it is ended.
class Session : public OneShotDriver {
public:
    explicit Session(std::function<void(CDialog&)> work) : OneShotDriver(std::move(work)) {}

    // Runs the dialog; the time from `start` until it showed, in ms.
    double Run(CDialog& dialog, Clock::time_point start) {
        m_start = start;
        dialog.DoModal();
        return m_openMs;
    }

protected:
    void Shown(CDialog& dialog) override {
        m_openMs = MsSince(m_start);
        OneShotDriver::Shown(dialog);
    }

private:
    Clock::time_point m_start;
    double m_openMs = 0;
};

struct Action {
    std::string name;
    std::function<void(CDialog&)> prepare;  // untimed, before each run
    std::function<void(CDialog&)> act;
};

struct TableRow {
    std::string dialog;
    std::string action;
    double medianMs;
};

// Opens the dialog kRepeats times; in the first run, times each action
// kRepeats times.
template <class Dlg>
void MeasureScreen(std::vector<TableRow>& table, const std::string& name, std::function<void(Dlg&)> setUp,
                   const std::vector<Action>& actions) {
    std::vector<double> opens;
    std::vector<std::vector<double>> runs(actions.size());
    for (int r = 0; r < kRepeats; ++r) {
        Session session([&](CDialog& top) {
            if (r != 0) return;
            for (size_t a = 0; a < actions.size(); ++a) {
                for (int i = 0; i < kRepeats && !top.HasEnded(); ++i) {
                    if (actions[a].prepare) actions[a].prepare(top);
                    Clock::time_point start = Clock::now();
                    actions[a].act(top);
                    runs[a].push_back(MsSince(start));
                }
            }
        });
        Clock::time_point start = Clock::now();
        Dlg dialog;
        if (setUp) setUp(dialog);
        opens.push_back(session.Run(dialog, start));
    }
    table.push_back({name, "open", Median(opens)});
    for (size_t a = 0; a < actions.size(); ++a) table.push_back({name, actions[a].name, Median(runs[a])});
}

// Alternates between two buttons, so that a step forth and back stays on
// the periods the history fills.
Action Alternate(const std::string& name, int first, int second, std::function<void(CDialog&)> prepare = nullptr) {
    auto forward = std::make_shared<bool>(false);
    return {name, std::move(prepare), [=](CDialog& d) {
                *forward = !*forward;
                DialogInput::ClickButton(d, *forward ? first : second);
            }};
}

int FirstPricedRow(CDialog& d, int listId, int amountColumn) {
    auto* list = dynamic_cast<CListCtrl*>(d.GetDlgItem(listId));
    for (int r = 0; list && r < list->GetItemCount(); ++r) {
        CString amount = list->GetItemText(r, amountColumn);
        if (!amount.IsEmpty() && amount != CString(u"0")) return r;
    }
    return 0;
}

void SetUpShopping(CShopItemsDlg& d) {
    d.m_strShpDate = kShopDate;
    d.m_strStoreName = kShop;
}

void SetUpNewPayment(CPaymentDlg& d) {
    d.m_strMode = u"NEW";
    d.m_strShpDate = kShopDate;
    d.m_strStoreName = kShop;
}

std::vector<TableRow> MeasureScreens() {
    std::vector<TableRow> table;
    MeasureScreen<CBasicInfoDlg>(table, "CBasicInfoDlg", nullptr,
                                 {{"tab 1 (products)", [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 0); },
                                   [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 1); }},
                                  {"tab 0 (categories)", [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 1); },
                                   [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 0); }},
                                  {"tab 2 (units)", [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 0); },
                                   [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 2); }},
                                  {"tab 3 (shops)", [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 0); },
                                   [](CDialog& d) { DialogInput::SelectTab(d, IDC_BI_TAB, 3); }}});
    MeasureScreen<CPlanDlg>(table, "CPlanDlg", nullptr,
                            {{"category choice", nullptr,
                              [](CDialog& d) { DialogInput::ChooseEntry(d, IDC_PL_COMBO_CATEGORY, 7); }},
                             {"reload after a save", [](CDialog& d) { DialogInput::TapRow(d, IDC_PL_LIST, 0); },
                              [](CDialog& d) { DialogInput::ClickButton(d, IDC_PL_BTN_SAVE); }}});
    MeasureScreen<CShopStartDlg>(table, "CShopStartDlg", nullptr, {});
    MeasureScreen<CShopItemsDlg>(
        table, "CShopItemsDlg", SetUpShopping,
        {{"reload after a save",
          [](CDialog& d) { DialogInput::TapRow(d, IDC_SI_LIST, FirstPricedRow(d, IDC_SI_LIST, 9)); },
          [](CDialog& d) { DialogInput::ClickButton(d, IDC_SI_BTN_SAVE); }}});
    MeasureScreen<CPaymentDlg>(table, "CPaymentDlg NEW", SetUpNewPayment, {});
    MeasureScreen<CSearchDlg>(table, "CSearchDlg", nullptr,
                              {Alternate("month step", IDC_SR_BTN_PREV, IDC_SR_BTN_NEXT),
                               {"reload after the payment dialog", nullptr,
                                [](CDialog& d) { DialogInput::TapRow(d, IDC_SR_LIST_TRIPS, 0); }}});
    std::vector<Action> stats;
    for (int kind = 0; kind < 7; ++kind) {
        stats.push_back({"kind " + std::to_string(kind), nullptr,
                         [kind](CDialog& d) { DialogInput::ChooseEntry(d, IDC_ST_COMBO_KIND, kind); }});
    }
    // Steps of a month, of a year, and of the yearly table by month; the
    // kind is chosen first by an untimed row, left out of the table.
    for (int kind : {0, 1, 4}) {
        stats.push_back({"(choose kind " + std::to_string(kind) + ")", nullptr,
                         [kind](CDialog& d) { DialogInput::ChooseEntry(d, IDC_ST_COMBO_KIND, kind); }});
        stats.push_back(Alternate("period step, kind " + std::to_string(kind), IDC_ST_BTN_PREV, IDC_ST_BTN_NEXT));
    }
    MeasureScreen<CStatsDlg>(table, "CStatsDlg", nullptr, stats);
    table.erase(std::remove_if(table.begin(), table.end(), [](const TableRow& r) { return r.action[0] == '('; }),
                table.end());
    return table;
}

// Prints the table; its slowest row.
const TableRow& PrintScreens(const std::vector<TableRow>& table, const Device& device, const char* where) {
    std::printf("\nTen years%s (%d paid items in %d trips, %d unpaid), median of %d runs:\n", where,
                TenYearHousehold::kPaidItems, device.Made().trips, TenYearHousehold::kPlanned + TenYearHousehold::kPriced,
                kRepeats);
    std::printf("%-18s %-34s %10s\n", "dialog", "action", "median ms");
    const TableRow* slowest = &table.front();
    for (const TableRow& row : table) {
        std::printf("%-18s %-34s %10.2f\n", row.dialog.c_str(), row.action.c_str(), row.medianMs);
        if (row.medianMs > slowest->medianMs) slowest = &row;
    }
    return *slowest;
}

void TenYearScreens(benchmark::State& state) {
    static Device device("screens", TenYearHousehold::kPaidItems);
    device.Use();
    DeviceClock::SetToday(2024, 12, 15);
    for (auto _ : state) {
        std::vector<TableRow> table = MeasureScreens();
        const TableRow& slowest = PrintScreens(table, device, "");
        state.counters["slowest_ms"] = slowest.medianMs;
        BenchSummary::Record("slowest screen at ten years", slowest.medianMs, slowest.dialog + " " + slowest.action);
    }
    DeviceClock::UseRealTime();
}
BENCHMARK(TenYearScreens)->Name("TenYear/Screens")->Iterations(1)->Unit(benchmark::kMillisecond);

// "처리" on the 100 priced items; they are made unpaid again between runs.
double PaymentMedian(const Device& device) {
    std::vector<double> samples;
    const std::string trip = std::to_string(device.Made().trips + 1);
    const std::string unpaid = std::to_string(device.Made().firstUnpaidSeqNo);
    for (int r = 0; r < kRepeats; ++r) {
        double ms = 0;
        Session session([&](CDialog& d) {
            Clock::time_point start = Clock::now();
            DialogInput::ClickButton(d, IDC_PM_BTN_PROCESS);
            ms = MsSince(start);
        });
        CPaymentDlg pay;
        SetUpNewPayment(pay);
        session.Run(pay, Clock::now());
        if (device.Value("select count(*) from ShoppingList_tbl where PayYN = 'Y' and MgrNo = " + trip) != "100") {
            std::fprintf(stderr, "the payment did not pay the hundred items\n");
            std::exit(1);
        }
        device.Sql("update ShoppingList_tbl set MgrNo = NULL, PayYN = '' where SeqNo >= " + unpaid);
        samples.push_back(ms);
    }
    return Median(samples);
}

// "취소" of a trip in the middle of the history, opened from the search; it
// is paid again between runs.
double UndoMedian(const Device& device) {
    const std::string trip = std::to_string(device.Made().trips / 2);
    const std::string items = device.Value("select group_concat(SeqNo) from ShoppingList_tbl where MgrNo = " + trip);
    const std::string date = device.Value("select ShpDate from ShoppingList_tbl where MgrNo = " + trip);
    std::vector<double> samples;
    for (int r = 0; r < kRepeats; ++r) {
        double ms = 0;
        Session session([&](CDialog& d) {
            Clock::time_point start = Clock::now();
            DialogInput::ClickButton(d, IDC_PM_BTN_CANCEL);
            ms = MsSince(start);
        });
        // The undo asks first; the person answers Yes.
        session.QueueAnswer(IDYES);
        CPaymentDlg undo;
        undo.m_strMode = u"MODIFY";
        undo.m_strMgrNo = CString::FromUtf8(trip);
        undo.m_strShpDate = CString::FromUtf8(date);
        session.Run(undo, Clock::now());
        if (device.Value("select count(*) from ShoppingList_tbl where MgrNo = 0 and SeqNo in (" + items + ")") ==
            "0") {
            std::fprintf(stderr, "the undo undid nothing\n");
            std::exit(1);
        }
        device.Sql("update ShoppingList_tbl set MgrNo = " + trip + ", PayYN = 'Y' where SeqNo in (" + items + ")");
        samples.push_back(ms);
    }
    return Median(samples);
}

void TenYearPaymentAndUndo(benchmark::State& state) {
    static Device device("writes", TenYearHousehold::kPaidItems);
    device.Use();
    struct Variant {
        const char* name;
        const char* change;  // applied before the run, undone by `restore`
        const char* restore;
    };
    const Variant variants[] = {
        {"installed: write-ahead log, all indexes", nullptr, nullptr},
        {"rollback journal", "PRAGMA journal_mode=DELETE", "PRAGMA journal_mode=WAL"},
        {"without ShoppingList_Unpaid", "DROP INDEX ShoppingList_Unpaid",
         "CREATE INDEX ShoppingList_Unpaid ON ShoppingList_tbl (ProdName) WHERE PayYN <> 'Y'"},
        {"without ShoppingList_MgrNo", "DROP INDEX ShoppingList_MgrNo",
         "CREATE INDEX ShoppingList_MgrNo ON ShoppingList_tbl (MgrNo)"},
        {"without ShoppingList_Paid", "DROP INDEX ShoppingList_Paid",
         "CREATE INDEX ShoppingList_Paid ON ShoppingList_tbl (ShpDate, MgrNo, SeqNo, StoreName, CategoryName, ProdName, "
         "ShpAmount, PayYN) WHERE PayYN = 'Y'"},
        {"without ShoppingList_PaidPrice", "DROP INDEX ShoppingList_PaidPrice",
         "CREATE INDEX ShoppingList_PaidPrice ON ShoppingList_tbl (ProdName, UnitName, StoreName, ShpDate, SeqNo, Price, "
         "ShpAmount) WHERE PayYN = 'Y'"},
        {"without ShoppingList_ShpDate", "DROP INDEX ShoppingList_ShpDate",
         "CREATE INDEX ShoppingList_ShpDate ON ShoppingList_tbl (ShpDate)"},
        {"no index at all, rollback journal",
         "DROP INDEX ShoppingList_Unpaid; DROP INDEX ShoppingList_MgrNo; DROP INDEX ShoppingList_ShpDate; "
         "PRAGMA journal_mode=DELETE",
         "PRAGMA journal_mode=WAL; "
         "CREATE INDEX ShoppingList_Unpaid ON ShoppingList_tbl (ProdName) WHERE PayYN <> 'Y'; "
         "CREATE INDEX ShoppingList_MgrNo ON ShoppingList_tbl (MgrNo); "
         "CREATE INDEX ShoppingList_ShpDate ON ShoppingList_tbl (ShpDate)"},
    };
    for (auto _ : state) {
        std::printf("\nWrites on ten years, median of %d runs (ms):\n%-42s %12s %12s\n", kRepeats, "file",
                    "pay 100", "undo trip");
        for (const Variant& v : variants) {
            if (v.change) device.Sql(v.change);
double pay = PaymentMedian(device);
            double undo = UndoMedian(device);
            if (v.restore) device.Sql(v.restore);
            std::printf("%-42s %12.2f %12.2f\n", v.name, pay, undo);
            if (!v.change) {
                state.counters["payment_ms"] = pay;
                state.counters["undo_ms"] = undo;
                BenchSummary::Record("payment of 100 items", pay);
                BenchSummary::Record("undo of a trip", undo);
            }
        }
    }
}
BENCHMARK(TenYearPaymentAndUndo)->Name("TenYear/PaymentAndUndo")->Iterations(1)->Unit(benchmark::kMillisecond);

template <class Dlg>
double OpenMedian(std::function<void(Dlg&)> setUp) {
    std::vector<double> samples;
    for (int r = 0; r < kRepeats; ++r) {
        Session session(nullptr);
        Clock::time_point start = Clock::now();
        Dlg dialog;
        if (setUp) setUp(dialog);
        samples.push_back(session.Run(dialog, start));
    }
    return Median(samples);
}

void TenYearUnpaidGrowth(benchmark::State& state) {
    static Device small("growth-6k", TenYearHousehold::kPaidItems / 10);
    static Device large("growth-60k", TenYearHousehold::kPaidItems);
    struct Screen {
        const char* name;
        std::function<double()> open;
    };
    const Screen screens[] = {
        {"CPlanDlg open", [] { return OpenMedian<CPlanDlg>(nullptr); }},
        {"CShopItemsDlg open", [] { return OpenMedian<CShopItemsDlg>(SetUpShopping); }},
        {"CPaymentDlg NEW open", [] { return OpenMedian<CPaymentDlg>(SetUpNewPayment); }},
    };
    for (auto _ : state) {
        double worst = 0;
        std::string worstName;
        std::printf("\nThe unpaid lists with 6,000 and 60,000 paid items, median ms of %d opens:\n", kRepeats);
        std::printf("%-22s %-24s %9s %9s %7s\n", "screen", "file", "6k paid", "60k paid", "ratio");
        for (bool older : {false, true}) {
            if (older) {
                for (const Device* d : {&small, &large}) d->Sql("DROP INDEX ShoppingList_Unpaid");
            }
            for (const Screen& screen : screens) {
                small.Use();
                double few = screen.open();
                large.Use();
                double many = screen.open();
                double ratio = few > 0 ? many / few : 0;
                std::printf("%-22s %-24s %9.2f %9.2f %7.2f\n", screen.name,
                            older ? "without the unpaid index" : "installed", few, many, ratio);
                if (!older && ratio > worst) {
                    worst = ratio;
                    worstName = screen.name;
                }
            }
        }
        for (const Device* d : {&small, &large}) {
            d->Sql("CREATE INDEX ShoppingList_Unpaid ON ShoppingList_tbl (ProdName) WHERE PayYN <> 'Y'");
        }
        state.counters["growth"] = worst;
        BenchSummary::Record("unpaid list growth 6k to 60k paid", worst, worstName);
    }
}
BENCHMARK(TenYearUnpaidGrowth)->Name("TenYear/UnpaidGrowth")->Iterations(1)->Unit(benchmark::kMillisecond);

// The screens and the payment on the same household in a shared notebook.
void TenYearPostgres(benchmark::State& state) {
    std::string why;
    std::string connection = PgBenchServer::Database(why);
    if (connection.empty()) {
        state.SkipWithError(("no PostgreSQL server: " + why).c_str());
        return;
    }
    static Device device("postgresql", TenYearHousehold::kPaidItems, connection);
    device.Use();
    DeviceClock::SetToday(2024, 12, 15);
    for (auto _ : state) {
        std::vector<TableRow> table = MeasureScreens();
        const TableRow& slowest = PrintScreens(table, device, " on PostgreSQL");
        double pay = PaymentMedian(device);
        std::printf("payment of 100 items on PostgreSQL, median of %d runs: %.2f ms\n", kRepeats, pay);
        state.counters["slowest_ms"] = slowest.medianMs;
        state.counters["payment_ms"] = pay;
        BenchSummary::Record("postgresql slowest screen at ten years", slowest.medianMs,
                             slowest.dialog + " " + slowest.action);
        BenchSummary::Record("postgresql payment of 100 items", pay);
    }
    DeviceClock::UseRealTime();
    // The benchmarks after this one run on the device's file.
    DatabaseChoice::UseFile();
    PgLink::CloseIdle();
}
BENCHMARK(TenYearPostgres)->Name("TenYear/PostgreSQL")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
