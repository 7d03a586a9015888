#include "companion/LastPrices.h"

void LastPrices::Add(const PriceRecord& record) {
    Shops& shops = m_prices[{record.product, record.unit}];
    auto [at, added] = shops.try_emplace(record.shop, AtShop{record, std::nullopt});
    if (added) return;
    AtShop& known = at->second;
    if (record.IsLaterThan(known.last)) {
        known.previous = known.last;
        known.last = record;
    } else if (!known.previous || record.IsLaterThan(*known.previous)) {
        known.previous = record;
    }
}

const LastPrices::Shops* LastPrices::Find(const CString& product, const CString& unit) const {
    auto at = m_prices.find({product, unit});
    return at == m_prices.end() ? nullptr : &at->second;
}
