#pragma once
// The last known unit price of each product and unit at each shop, with the
// one before it there: the memory that the basket and the price notes share.
// Prices of a product are never compared across units.

#include <map>
#include <optional>
#include <utility>

#include "companion/PriceRecord.h"

class LastPrices {
public:
    struct AtShop {
        PriceRecord last;
        std::optional<PriceRecord> previous;
    };
    using Shops = std::map<CString, AtShop>;

    void Add(const PriceRecord& record);
    // The shops that have a price for the product in that unit; null for none.
    const Shops* Find(const CString& product, const CString& unit) const;

private:
    std::map<std::pair<CString, CString>, Shops> m_prices;
};
