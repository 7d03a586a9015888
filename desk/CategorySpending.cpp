#include "desk/CategorySpending.h"

#include "desk/LargestShares.h"
#include "desk/PaidRows.h"

CategorySpending CategorySpending::Read(Database& db, const ReportPeriod& period) {
    CategorySpending spending;
    PaidRows::Walk(db, period, PaidRows::Order::Category, [&](const PaidRow& row) {
        if (spending.groups.empty() || spending.groups.back().name != row.category) spending.groups.push_back({row.category, 0});
        spending.groups.back().amount += row.amount;
        spending.total += row.amount;
    });
    return spending;
}

ChartTable CategorySpending::Table() const {
    ChartTable table;
    table.columns = {{"분류", false}, {"쇼핑금액", true}, {"비율(%)", true}};
    for (const Group& g : groups) {
        table.rows.push_back({g.name, std::to_string(g.amount), LargestShares::Percent(g.amount, total)});
    }
    if (total != 0) table.rows.push_back({"<총계>", std::to_string(total), LargestShares::Percent(total, total)});
    return table;
}
