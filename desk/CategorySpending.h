#pragma once
// What a month or a year cost per category, for the donut: the same groups
// and amounts as the statistics by category, in the engine's order of the
// names.

#include <string>
#include <vector>

#include "desk/ChartTable.h"

class Database;
class ReportPeriod;

struct CategorySpending {
    struct Group {
        std::string name;
        long long amount = 0;
    };
    std::vector<Group> groups;
    long long total = 0;

    static CategorySpending Read(Database& db, const ReportPeriod& period);
    // 분류, 쇼핑금액, 비율(%); then the total row.
    ChartTable Table() const;
};
