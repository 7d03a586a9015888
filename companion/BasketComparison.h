#pragma once
// The plan priced at every shop by the last known prices there: each shop's
// cost of the rows it has a price for, how many of the rows that is, and the
// date of the oldest price used; the cheapest shop that covers every row;
// and the cheapest split, each row at the shop of its lowest last price.

#include <optional>
#include <vector>

#include "companion/LastPrices.h"
#include "companion/PlanRow.h"

class BasketComparison {
public:
    struct Line {
        CString shop;  // the split's line has none
        long long total = 0;
        int covered = 0;
        int rows = 0;
        CString oldest;  // empty when no price was used
    };

    // False, with `problem` saying which row, when a row's cost (price times
    // quantity) does not fit 32 bits: no amount could ever hold it.
    bool Compute(const std::vector<PlanRow>& plan, const LastPrices& prices);

    // Shops with a price for at least one row: more rows covered first, then
    // the lower total, then the shop's name.
    const std::vector<Line>& Shops() const { return m_shops; }
    const Line& Split() const { return m_split; }
    // The cheapest shop that covers every row; none when no shop does, or
    // the plan is empty.
    const Line* CheapestWhole() const;
    // What the split saves against that shop.
    std::optional<long long> SplitSaves() const;
    const CString& Problem() const { return m_problem; }

private:
    std::vector<Line> m_shops;
    Line m_split;
    CString m_problem;
};
