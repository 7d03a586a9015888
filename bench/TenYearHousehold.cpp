#include "bench/TenYearHousehold.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "tools/install/FirstInstallation.h"

namespace {

constexpr unsigned kSeed = 20240315;

const char* const kUnitNames[TenYearHousehold::kUnits] = {"개", "봉지", "kg", "g", "L", "ml", "팩", "병", "상자", "묶음"};

sqlite3* OpenFile(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "bench setup: cannot open %s\n", file.c_str());
        std::exit(1);
    }
    return db;
}

void Exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "bench setup: %s: %s\n", sql.c_str(), error ? error : "?");
        std::exit(1);
    }
}

std::string Numbered(const char* stem, int n) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%03d", stem, n);
    return text;
}

int FirstYear(int years) {
    return TenYearHousehold::kLastYear + 1 - years;
}

std::string DateOfDay(int day, int years) {
    using namespace std::chrono;
    year_month_day date{sys_days{year{FirstYear(years)} / January / 1} + days{day}};
    char text[16];
    std::snprintf(text, sizeof text, "%.4d-%.2d-%.2d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

int DaysOfHistory(int years) {
    using namespace std::chrono;
    return (sys_days{year{TenYearHousehold::kLastYear + 1} / January / 1} - sys_days{year{FirstYear(years)} / January / 1})
        .count();
}

} // namespace

// The raw engine output only: the distributions of the standard library may
// differ between library versions, the engine may not.
class Dice {
public:
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<unsigned>(n)); }

private:
    std::mt19937 m_engine{kSeed};
};

namespace {

struct Item {
    int seq, product, qty, unit, price, discount;
    bool coupon;
};

class Inserter {
public:
    explicit Inserter(sqlite3* db) {
        sqlite3_prepare_v2(db,
                           "insert into ShoppingList_tbl values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
                           "?13, ?14)",
                           -1, &m_stmt, nullptr);
    }
    ~Inserter() { sqlite3_finalize(m_stmt); }

    // trip > 0: paid; trip == 0: a payment undone; trip < 0: never paid.
    void Add(const Item& item, bool priced, const std::string& date, const std::string& shop, int trip) {
        int amount = item.qty * item.price - item.discount;
        Text(1, nullptr, item.seq);
        Text(2, Numbered("분류", item.product % TenYearHousehold::kCategories).c_str());
        Text(3, Numbered("상품", item.product).c_str());
        Text(4, nullptr, item.qty);
        Text(5, kUnitNames[item.unit]);
        Text(6, nullptr, priced ? item.price : 0);
        Text(7, item.coupon ? "Y" : "");
        Text(8, nullptr, item.coupon ? item.discount : 0);
        Text(9, nullptr, priced ? item.discount : 0);
        Text(10, nullptr, priced ? amount : 0);
        Text(11, priced ? date.c_str() : "");
        Text(12, priced ? shop.c_str() : "");
        if (trip < 0) sqlite3_bind_null(m_stmt, 13);
        else Text(13, nullptr, trip);
        Text(14, trip > 0 ? "Y" : "");
        if (sqlite3_step(m_stmt) != SQLITE_DONE) {
            std::fprintf(stderr, "bench setup: cannot add item %d\n", item.seq);
            std::exit(1);
        }
        sqlite3_reset(m_stmt);
    }

private:
    void Text(int n, const char* text, int number = 0) {
        if (text) sqlite3_bind_text(m_stmt, n, text, -1, SQLITE_TRANSIENT);
        else sqlite3_bind_int(m_stmt, n, number);
    }
    sqlite3_stmt* m_stmt = nullptr;
};

Item RandomItem(Dice& dice, int seq) {
    Item item{};
    item.seq = seq;
    item.product = dice.Below(TenYearHousehold::kProducts);
    item.qty = 1 + dice.Below(4);
    item.unit = item.product % TenYearHousehold::kUnits;
    item.price = 500 + 100 * dice.Below(95);
    item.coupon = dice.Below(8) == 0;
    item.discount = item.coupon ? 100 * (1 + dice.Below(5)) : 0;
    return item;
}

void AddMasterData(sqlite3* db) {
    for (int i = 0; i < TenYearHousehold::kCategories; ++i) {
        Exec(db, "insert into Category_tbl values ('" + Numbered("분류", i) + "')");
    }
    for (int i = 0; i < TenYearHousehold::kProducts; ++i) {
        Exec(db, "insert into ProdName_tbl values ('" + Numbered("분류", i % TenYearHousehold::kCategories) + "', '" +
                     Numbered("상품", i) + "')");
    }
    for (const char* unit : kUnitNames) Exec(db, std::string("insert into Unit_tbl values ('") + unit + "')");
    for (int i = 0; i < TenYearHousehold::kShops; ++i) {
        Exec(db, "insert into ShpStore_tbl values ('" + Numbered("상점", i) + "')");
    }
}

} // namespace

TenYearHousehold::Made TenYearHousehold::Make(const std::filesystem::path& root, int paidItems, int years) {
    std::filesystem::remove_all(root);
    if (FirstInstallation::Install(root).outcome != FirstInstallation::Outcome::Created) {
        std::fprintf(stderr, "bench setup: cannot install under %s\n", root.c_str());
        std::exit(1);
    }
    sqlite3* db = OpenFile(FirstInstallation::DatabasePath(root));
    Exec(db, "BEGIN");
    AddMasterData(db);
    Dice dice;
    // Trips of 6 to 18 items until the history is full; the last one takes
    // what is left.
    std::vector<int> sizes;
    for (int left = paidItems; left > 0;) {
        int size = std::min(left, 6 + dice.Below(13));
        sizes.push_back(size);
        left -= size;
    }
    Made made;
    made.trips = static_cast<int>(sizes.size());
    AddItems(db, sizes, dice, made, years);
    Exec(db, "COMMIT");
    sqlite3_close(db);
    return made;
}

void TenYearHousehold::AddItems(sqlite3* db, const std::vector<int>& sizes, Dice& dice, Made& made, int years) {
    Inserter insert(db);
    int seq = 0;
    const int days = DaysOfHistory(years);
    for (int trip = 0; trip < made.trips; ++trip) {
        std::string date = DateOfDay(static_cast<int>(static_cast<long long>(trip) * days / made.trips), years);
        std::string shop = Numbered("상점", dice.Below(kShops));
        for (int i = 0; i < sizes[trip]; ++i) insert.Add(RandomItem(dice, ++seq), true, date, shop, trip + 1);
    }
    made.firstUnpaidSeqNo = seq + 1;
    for (int i = 0; i < kPlanned + kPriced; ++i) {
        bool priced = i % 3 == 2;  // every third row: 100 of 300
        // Half the priced rows are payments undone (trip 0), half never paid.
        insert.Add(RandomItem(dice, ++seq), priced, "2024-12-14", Numbered("상점", 3), priced && i % 2 ? 0 : -1);
    }
}

void TenYearHousehold::Run(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = OpenFile(file);
    Exec(db, sql);
    sqlite3_close(db);
}

std::string TenYearHousehold::FirstValue(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = OpenFile(file);
    sqlite3_stmt* stmt = nullptr;
    std::string out = "?";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) {
        auto* text = sqlite3_column_text(stmt, 0);
        out = text ? reinterpret_cast<const char*>(text) : "NULL";
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}
