#pragma once
// The budgets, kept in Budget_tbl (CategoryName, BudgetAmt), a table of the
// companion's own: made when a budget is first set, so that a notebook
// without it works as it is. The whole month's budget is the row with an
// empty category, which no category can be named.

#include <map>
#include <vector>

#include "companion/MonthBudget.h"

class BudgetBook {
public:
    static bool Read(std::map<CString, long long>& budgets);
    // The amount must be a whole number from 0 within 32 bits; anything else
    // is refused with `problem` said and nothing stored.
    static bool Set(const CString& category, const CString& amountText, CString& problem);
    // The priced amounts of the month (YYYY-MM): paid and not yet paid.
    static bool Spending(const CString& month, std::vector<MonthBudget::Spent>& spent);
};
