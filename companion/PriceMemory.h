#pragma once
// What the notebook remembers of one product in one unit: the last unit
// price paid at each shop with its date and the change since the time before
// there, and the lowest and highest price of the last twelve months.

#include <optional>
#include <vector>

#include "companion/LastPrices.h"

class PriceMemory {
public:
    struct ShopLine {
        CString shop;
        int price = 0;
        CString date;
        // Last price less the one before it at this shop; none the first time.
        std::optional<long long> change;
    };

    // `records`: paid items of any products; `today`: YYYY-MM-DD.
    static PriceMemory Of(const std::vector<PriceRecord>& records, const CString& product, const CString& unit,
                          const CString& today);

    const CString& Product() const { return m_product; }
    const CString& Unit() const { return m_unit; }
    // Cheapest first; equal prices by the shop's name.
    const std::vector<ShopLine>& Shops() const { return m_shops; }
    std::optional<int> Lowest() const { return m_lowest; }
    std::optional<int> Highest() const { return m_highest; }
    const ShopLine* At(const CString& shop) const;
    // The shop of the lowest last price, if any shop has one.
    const ShopLine* Cheapest() const { return m_shops.empty() ? nullptr : &m_shops.front(); }

    // The note for a unit price typed in at `shop`: above the last price
    // there, or more than 10 % above the cheapest shop's last price. Empty
    // when neither, or when the typed text is no price.
    CString NoteOnTyped(const CString& shop, const CString& typedPrice) const;

private:
    CString m_product;
    CString m_unit;
    std::vector<ShopLine> m_shops;
    std::optional<int> m_lowest;
    std::optional<int> m_highest;
};
