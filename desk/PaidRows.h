#pragma once
// The paid items of a period that the statistics count: paid, an amount
// above 0, the date within the period's text range; in the order of one of
// the statistics' own sorts (the group, then date and trip number), so that
// a chart can group and count trips in one pass exactly as they do.

#include <functional>
#include <string>

class Database;
class ReportPeriod;

struct PaidRow {
    std::string date;
    std::string trip;  // the trip number as text, compared as the statistics compare it
    std::string shop;
    std::string category;
    long long amount = 0;
};

class PaidRows {
public:
    enum class Order { Category, Shop, Date };
    static void Walk(Database& db, const ReportPeriod& period, Order order, const std::function<void(const PaidRow&)>& row);
};
