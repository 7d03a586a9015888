#include "companion/MonthBudget.h"

namespace {

// Used of budget, in 64 bits: amounts of 32 bits, sums of many of them.
MonthBudget::Level LevelOf(long long used, long long budget) {
    if (used <= 0) return MonthBudget::Level::Fine;
    if (used >= budget) return MonthBudget::Level::Over;
    if (used * 10 >= budget * 8) return MonthBudget::Level::Near;
    return MonthBudget::Level::Fine;
}

void Count(MonthBudget::Line& line, const MonthBudget::Spent& spent) {
    (spent.paid ? line.paid : line.priced) += spent.amount;
}

} // namespace

CString MonthBudget::Line::Note() const {
    switch (level) {
    case Level::Over: return u"예산을 넘었습니다";
    case Level::Near: return u"예산의 80%를 넘었습니다";
    case Level::Fine: break;
    }
    return CString();
}

void MonthBudget::Compute(const std::map<CString, long long>& budgets, const std::vector<Spent>& spent) {
    m_lines.clear();
    std::map<CString, Line> byCategory;
    for (const auto& [category, amount] : budgets) {
        if (!category.IsEmpty()) byCategory[category] = Line{category, amount, 0, 0, Level::Fine};
    }
    auto whole = budgets.find(CString());
    m_wholeBudget = whole != budgets.end();
    m_whole = Line{CString(), m_wholeBudget ? whole->second : 0, 0, 0, Level::Fine};
    for (const Spent& item : spent) {
        Count(m_whole, item);
        if (auto at = byCategory.find(item.category); at != byCategory.end()) Count(at->second, item);
    }
    for (auto& [category, line] : byCategory) {
        line.level = LevelOf(line.paid + line.priced, line.budget);
        m_lines.push_back(line);
    }
    if (m_wholeBudget) m_whole.level = LevelOf(m_whole.paid + m_whole.priced, m_whole.budget);
}
