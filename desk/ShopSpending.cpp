#include "desk/ShopSpending.h"

#include "desk/PaidRows.h"
#include "desk/TripRuns.h"

ShopSpending ShopSpending::Read(Database& db, const ReportPeriod& period) {
    ShopSpending spending;
    TripRuns runs;
    PaidRows::Walk(db, period, PaidRows::Order::Shop, [&](const PaidRow& row) {
        if (spending.groups.empty() || spending.groups.back().name != row.shop) spending.groups.push_back({row.shop, 0, 0});
        Group& group = spending.groups.back();
        if (runs.Starts(row.shop, row.trip)) {
            ++group.trips;
            ++spending.trips;
        }
        group.amount += row.amount;
        spending.total += row.amount;
    });
    return spending;
}

ChartTable ShopSpending::Table() const {
    ChartTable table;
    table.columns = {{"쇼핑점", false}, {"횟수", true}, {"쇼핑금액", true}};
    for (const Group& g : groups) table.rows.push_back({g.name, std::to_string(g.trips), std::to_string(g.amount)});
    if (total != 0) table.rows.push_back({"<총계>", std::to_string(trips), std::to_string(total)});
    return table;
}
