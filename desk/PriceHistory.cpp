#include "desk/PriceHistory.h"

#include <sqlite3.h>

#include <set>

#include "desk/Database.h"

namespace {

const char* const kProducts =
    "select distinct ProdName from ShoppingList_tbl where ShpAmount > 0 and PayYN = 'Y' order by ProdName";
const char* const kUnits =
    "select UnitName from ShoppingList_tbl where ProdName = ? and ShpAmount > 0 and PayYN = 'Y' "
    "group by UnitName order by count(*) desc, UnitName";
const char* const kPoints =
    "select ShpDate, StoreName, MgrNo, Price, ShpQty from ShoppingList_tbl "
    "where ProdName = ? and UnitName = ? and ShpDate >= ? and ShpDate <= ? and ShpAmount > 0 and PayYN = 'Y' "
    "order by ShpDate, MgrNo, SeqNo";

} // namespace

std::vector<std::string> PriceHistory::Products(Database& db) {
    std::vector<std::string> names;
    db.Query(kProducts, [&](sqlite3_stmt* s) { names.push_back(Database::ColumnText(s, 0)); });
    return names;
}

std::vector<std::string> PriceHistory::Units(Database& db, const std::string& product) {
    std::vector<std::string> units;
    db.Query(kUnits, {&product}, [&](sqlite3_stmt* s) { units.push_back(Database::ColumnText(s, 0)); });
    return units;
}

PriceHistory PriceHistory::Read(Database& db, const std::string& product, const std::string& unit,
                                const std::string& from, const std::string& to) {
    PriceHistory history{product, unit, {}};
    db.Query(kPoints, {&product, &unit, &from, &to}, [&](sqlite3_stmt* s) {
        history.points.push_back({Database::ColumnText(s, 0), Database::ColumnText(s, 1), Database::ColumnText(s, 2),
                                  sqlite3_column_int64(s, 3), sqlite3_column_int64(s, 4)});
    });
    return history;
}

std::vector<std::string> PriceHistory::Shops() const {
    std::set<std::string> shops;
    for (const Point& p : points) shops.insert(p.shop);
    return {shops.begin(), shops.end()};
}

ChartTable PriceHistory::Table() const {
    ChartTable table;
    table.columns = {{"쇼핑일자", false}, {"쇼핑점", false}, {"단가", true}, {"수량", true}, {"결제번호", true}};
    for (const Point& p : points) {
        table.rows.push_back({p.date, p.shop, std::to_string(p.price), std::to_string(p.quantity), p.trip});
    }
    return table;
}
