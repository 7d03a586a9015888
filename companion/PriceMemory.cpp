#include "companion/PriceMemory.h"

#include <algorithm>

#include "data/CNumberRules.h"

namespace {

// The same day a year before: the start of the last twelve months.
CString YearBefore(const CString& today) {
    int year = CNumberRules::LeadingValue(today.Left(4));
    return CString::Formatted(u"%.4d", year - 1) + today.Mid(4);
}

} // namespace

PriceMemory PriceMemory::Of(const std::vector<PriceRecord>& records, const CString& product, const CString& unit,
                            const CString& today) {
    PriceMemory memory;
    memory.m_product = product;
    memory.m_unit = unit;
    LastPrices last;
    const CString from = YearBefore(today);
    for (const PriceRecord& record : records) {
        if (record.product != product || record.unit != unit) continue;
        last.Add(record);
        if (record.date < from || record.date > today) continue;
        if (!memory.m_lowest || record.price < *memory.m_lowest) memory.m_lowest = record.price;
        if (!memory.m_highest || record.price > *memory.m_highest) memory.m_highest = record.price;
    }
    if (const LastPrices::Shops* shops = last.Find(product, unit)) {
        for (const auto& [shop, known] : *shops) {
            ShopLine line{shop, known.last.price, known.last.date, std::nullopt};
            // Two 32-bit prices: their difference is exact in 64 bits.
            if (known.previous) line.change = static_cast<long long>(known.last.price) - known.previous->price;
            memory.m_shops.push_back(line);
        }
    }
    std::stable_sort(memory.m_shops.begin(), memory.m_shops.end(),
                     [](const ShopLine& a, const ShopLine& b) { return a.price < b.price; });
    return memory;
}

const PriceMemory::ShopLine* PriceMemory::At(const CString& shop) const {
    for (const ShopLine& line : m_shops) {
        if (line.shop == shop) return &line;
    }
    return nullptr;
}

CString PriceMemory::NoteOnTyped(const CString& shop, const CString& typedPrice) const {
    std::optional<int> typed = CNumberRules::TypedValue(typedPrice);
    if (!typed || *typed <= 0) return CString();
    CString note;
    if (const ShopLine* here = At(shop); here && *typed > here->price) {
        note = CString::Formatted(u"이 쇼핑점의 지난 가격 %s원(%s)보다 비쌉니다.", CNumberRules::Text(here->price),
                                  here->date);
    }
    // More than 10 % above: typed x 10 > cheapest x 11, exact in 64 bits.
    const ShopLine* cheapest = Cheapest();
    if (cheapest && cheapest->shop != shop &&
        static_cast<long long>(*typed) * 10 > static_cast<long long>(cheapest->price) * 11) {
        if (!note.IsEmpty()) note += u"\n";
        note += CString::Formatted(u"%s의 지난 가격 %s원보다 10%% 넘게 비쌉니다.", cheapest->shop,
                                   CNumberRules::Text(cheapest->price));
    }
    return note;
}
