#include "companion/BasketComparison.h"

#include <algorithm>
#include <map>

#include "data/CNumberRules.h"

namespace {

void UsePrice(BasketComparison::Line& line, long long cost, const CString& date) {
    line.total += cost;
    ++line.covered;
    if (line.oldest.IsEmpty() || date < line.oldest) line.oldest = date;
}

} // namespace

bool BasketComparison::Compute(const std::vector<PlanRow>& plan, const LastPrices& prices) {
    m_shops.clear();
    m_problem.Empty();
    m_split = Line{CString(), 0, 0, static_cast<int>(plan.size()), CString()};
    std::map<CString, Line> byShop;
    for (const PlanRow& row : plan) {
        const LastPrices::Shops* shops = prices.Find(row.product, row.unit);
        if (!shops) continue;
        const LastPrices::AtShop* best = nullptr;
        long long bestCost = 0;
        for (const auto& [shop, known] : *shops) {
            std::optional<int> cost = CNumberRules::Amount(row.quantity, known.last.price, 0);
            if (!cost) {
                m_problem = CString::Formatted(u"%s %s개를 %s의 가격으로 사면 금액이 너무 큽니다.", row.product,
                                               CNumberRules::Text(static_cast<long long>(row.quantity)), shop);
                return false;
            }
            Line& line = byShop.try_emplace(shop, Line{shop, 0, 0, static_cast<int>(plan.size()), CString()}).first->second;
            UsePrice(line, *cost, known.last.date);
            // Shops come in name order, so a tie keeps the first name.
            if (!best || *cost < bestCost) {
                best = &known;
                bestCost = *cost;
            }
        }
        UsePrice(m_split, bestCost, best->last.date);
    }
    for (auto& [shop, line] : byShop) m_shops.push_back(line);
    std::stable_sort(m_shops.begin(), m_shops.end(), [](const Line& a, const Line& b) {
        if (a.covered != b.covered) return a.covered > b.covered;
        return a.total < b.total;
    });
    return true;
}

const BasketComparison::Line* BasketComparison::CheapestWhole() const {
    // The order puts full coverage first and the lowest total of it on top.
    if (m_shops.empty() || m_split.rows == 0 || m_shops.front().covered != m_split.rows) return nullptr;
    return &m_shops.front();
}

std::optional<long long> BasketComparison::SplitSaves() const {
    const Line* whole = CheapestWhole();
    if (!whole) return std::nullopt;
    return whole->total - m_split.total;
}
