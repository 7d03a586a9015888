#pragma once
// A year month by month, for the stacked bars: per month the trips and the
// amount (the statistics' month report, months without paid items left
// out), and what each category cost in it. The stacks are the categories
// with the largest amounts of the year and the others summed as one, the
// same in every month.

#include <map>
#include <string>
#include <vector>

#include "desk/ChartTable.h"
#include "desk/LargestShares.h"

class Database;

struct MonthlySpending {
    static constexpr size_t kStacks = 8;

    struct Month {
        std::string key;   // 'YYYY-MM'
        int number = 0;    // 1 to 12, from the key's digits
        long long trips = 0;
        long long amount = 0;
        std::map<std::string, long long> byCategory;
    };
    std::vector<Month> months;
    std::vector<LargestShares::Part> categories;  // the year per category, in name order
    long long trips = 0;
    long long total = 0;

    static MonthlySpending Read(Database& db, int year);
    // The stacks, bottom first.
    std::vector<LargestShares::Part> Stacks() const;
    // What one stack holds in one month.
    long long StackAmount(const Month& month, const LargestShares::Part& stack) const;
    // 월, 횟수, 쇼핑금액, then one column per stack; then the total row.
    ChartTable Table() const;
};
