#pragma once
// A month against its budgets: per category with a budget, and for the
// whole month, what is paid, what is priced but not yet paid, and what is
// left. At 80 % of a budget a line is a warning, at 100 % it is over.

#include <map>
#include <vector>

#include "platform/framework/CString.h"

class MonthBudget {
public:
    enum class Level { Fine, Near, Over };
    struct Line {
        CString category;  // empty: the whole month
        long long budget = 0;
        long long paid = 0;
        long long priced = 0;
        long long Left() const { return budget - paid - priced; }
        Level level = Level::Fine;
        CString Note() const;
    };
    struct Spent {
        CString category;
        int amount = 0;
        bool paid = false;
    };

    // `budgets`: category to amount, the whole month under the empty name.
    void Compute(const std::map<CString, long long>& budgets, const std::vector<Spent>& spent);
    // The categories in name order, then the whole month (when it has a
    // budget, else its line with a budget of none shows the sums alone).
    const std::vector<Line>& Lines() const { return m_lines; }
    const Line& Whole() const { return m_whole; }
    bool WholeHasBudget() const { return m_wholeBudget; }

private:
    std::vector<Line> m_lines;
    Line m_whole;
    bool m_wholeBudget = false;
};
