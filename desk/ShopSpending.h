#pragma once
// Per shop, the trips and what they cost in a month or a year: the same
// rows as the statistics by shop, trips counted as they count them.

#include <string>
#include <vector>

#include "desk/ChartTable.h"

class Database;
class ReportPeriod;

struct ShopSpending {
    struct Group {
        std::string name;
        long long trips = 0;
        long long amount = 0;
    };
    std::vector<Group> groups;
    long long trips = 0;
    long long total = 0;

    static ShopSpending Read(Database& db, const ReportPeriod& period);
    // 쇼핑점, 횟수, 쇼핑금액; then the total row.
    ChartTable Table() const;
};
