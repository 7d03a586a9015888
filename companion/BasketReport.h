#pragma once
// The basket of the notebook's plan now, read and compared; and its table as
// CSV for spreadsheets (UTF-8 with a byte-order mark, CR LF, quoted fields).

#include <string>

#include "companion/BasketComparison.h"

class BasketReport {
public:
    // False with `problem` set when the notebook could not be read or a
    // row's cost does not fit.
    static bool Compare(BasketComparison& basket, CString& problem);
    static std::string Csv(const BasketComparison& basket);
};
