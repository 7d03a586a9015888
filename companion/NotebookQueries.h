#pragma once
// The companion's reads of the notebook. Prices are those of paid items:
// what was really paid, not a price still being typed in.

#include <vector>

#include "companion/PlanRow.h"
#include "companion/PriceRecord.h"

class NotebookQueries {
public:
    // Paid prices of one product (all units), or of every product when
    // `product` is null.
    static bool Prices(const CString* product, std::vector<PriceRecord>& records);
    // The latest paid price of each product on the plan, in each unit, at
    // each shop: what the basket compares.
    static bool LatestPrices(std::vector<PriceRecord>& records);
    // The unpaid rows of the plan, planned and priced alike.
    static bool Plan(std::vector<PlanRow>& plan);

private:
    static bool Read(const CString& statement, std::vector<PriceRecord>& records);
};
