#include "desk/MonthlySpending.h"

#include "desk/PaidRows.h"
#include "desk/ReportPeriod.h"
#include "desk/TripRuns.h"

MonthlySpending MonthlySpending::Read(Database& db, int year) {
    MonthlySpending spending;
    TripRuns runs;
    std::map<std::string, long long> byCategory;
    PaidRows::Walk(db, ReportPeriod::OfYear(year), PaidRows::Order::Date, [&](const PaidRow& row) {
        std::string key = row.date.substr(0, 7);
        if (spending.months.empty() || spending.months.back().key != key) {
            int number = key.size() == 7 ? (key[5] - '0') * 10 + (key[6] - '0') : 0;
            spending.months.push_back({key, number, 0, 0, {}});
        }
        Month& month = spending.months.back();
        if (runs.Starts(key, row.trip)) {
            ++month.trips;
            ++spending.trips;
        }
        month.amount += row.amount;
        month.byCategory[row.category] += row.amount;
        byCategory[row.category] += row.amount;
        spending.total += row.amount;
    });
    // The map orders by bytes, as the engine orders names.
    for (const auto& [name, amount] : byCategory) spending.categories.push_back({name, amount, false});
    return spending;
}

std::vector<LargestShares::Part> MonthlySpending::Stacks() const {
    return LargestShares::Of(categories, kStacks);
}

long long MonthlySpending::StackAmount(const Month& month, const LargestShares::Part& stack) const {
    if (!stack.others) {
        auto found = month.byCategory.find(stack.name);
        return found == month.byCategory.end() ? 0 : found->second;
    }
    long long named = 0;
    for (const LargestShares::Part& part : Stacks()) {
        if (!part.others) named += StackAmount(month, part);
    }
    return month.amount - named;
}

ChartTable MonthlySpending::Table() const {
    ChartTable table;
    table.columns = {{"월", false}, {"횟수", true}, {"쇼핑금액", true}};
    std::vector<LargestShares::Part> stacks = Stacks();
    for (const LargestShares::Part& stack : stacks) table.columns.push_back({stack.name, true});
    for (const Month& month : months) {
        std::vector<std::string> row = {month.key.size() == 7 ? month.key.substr(5, 2) + "월" : month.key,
                                        std::to_string(month.trips), std::to_string(month.amount)};
        for (const LargestShares::Part& stack : stacks) row.push_back(std::to_string(StackAmount(month, stack)));
        table.rows.push_back(row);
    }
    if (total != 0) {
        std::vector<std::string> row = {"<총계>", std::to_string(trips), std::to_string(total)};
        for (const LargestShares::Part& stack : stacks) row.push_back(std::to_string(stack.amount));
        table.rows.push_back(row);
    }
    return table;
}
