#pragma once
// One product's unit price over time: each paid item of the product in one
// unit is a point (date, shop, unit price, quantity), in date order; the
// chart draws one line per shop. Prices of different units are never drawn
// together, so the units are offered beside the product.

#include <string>
#include <vector>

#include "desk/ChartTable.h"

class Database;

struct PriceHistory {
    struct Point {
        std::string date;
        std::string shop;
        std::string trip;
        long long price = 0;
        long long quantity = 0;
    };
    std::string product;
    std::string unit;
    std::vector<Point> points;

    // The products that have paid items, in name order.
    static std::vector<std::string> Products(Database& db);
    // The units a product was paid in, the most used first.
    static std::vector<std::string> Units(Database& db, const std::string& product);
    // The items dated from `from` to `to` (texts 'YYYY-MM-DD'); by default
    // the whole history.
    static PriceHistory Read(Database& db, const std::string& product, const std::string& unit,
                             const std::string& from = "0000-00-00", const std::string& to = "9999-12-31");
    // The shops of the points, in name order: one line each.
    std::vector<std::string> Shops() const;
    // 쇼핑일자, 쇼핑점, 단가, 수량, 결제번호.
    ChartTable Table() const;
};
