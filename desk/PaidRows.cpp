#include "desk/PaidRows.h"

#include <sqlite3.h>

#include "desk/Database.h"
#include "desk/ReportPeriod.h"

namespace {

// The statistics' condition, so that the engine picks the same index for
// both, and their sorts.
const char* const kSelect =
    "select ShpDate, MgrNo, StoreName, CategoryName, ShpAmount from ShoppingList_tbl "
    "where ShpDate >= ? and ShpDate <= ? and ShpAmount > 0 and PayYN = 'Y' order by ";

const char* OrderBy(PaidRows::Order order) {
    switch (order) {
    case PaidRows::Order::Category: return "CategoryName, ShpDate, MgrNo";
    case PaidRows::Order::Shop: return "StoreName, ShpDate, MgrNo";
    case PaidRows::Order::Date: break;
    }
    return "ShpDate, MgrNo";
}

} // namespace

void PaidRows::Walk(Database& db, const ReportPeriod& period, Order order, const std::function<void(const PaidRow&)>& row) {
    const std::string from = period.From();
    const std::string to = period.To();
    PaidRow paid;
    db.Query(std::string(kSelect) + OrderBy(order), {&from, &to}, [&](sqlite3_stmt* s) {
        paid.date = Database::ColumnText(s, 0);
        paid.trip = Database::ColumnText(s, 1);
        paid.shop = Database::ColumnText(s, 2);
        paid.category = Database::ColumnText(s, 3);
        paid.amount = sqlite3_column_int64(s, 4);
        row(paid);
    });
}
