#pragma once
// The number rules every dialog shares. Numbers live as decimal text in the
// edits, the list cells and the statements; this is the one place that reads,
// checks, computes, sums and writes them.
//
// - A text's value is its leading whole number: optional white space and a
//   sign, then digits; no digits gives 0. A typed number beyond 32 bits is
//   no value at all (TypedValue): the arithmetic that would read it leaves
//   its result as it was. A list cell comes from a 32-bit column of the
//   database, which holds nothing wider (LeadingValue).
// - A number field to be stored must be empty or a whole number within 32
//   bits, blanks around it allowed; it is rewritten with "%d"
//   (NormaliseWholeNumber). Anything else ("12abc", "3.5", "1e3",
//   "2147483648") is refused, so it never reaches a number column bare.
// - Products and differences are computed in 64 bits, where two 32-bit
//   operands cannot overflow, and a result that does not fit 32 bits comes
//   back as "none" (std::nullopt) instead of a wrapped number.
// - Sums of list columns are 64-bit and shown with their full value.

#include <optional>

#include "platform/framework/CString.h"

class CListCtrl;

class CNumberRules {
public:
    static int LeadingValue(const CString& text);
    // The leading whole number of a typed text; none when it does not fit
    // 32 bits (never the nearest limit in its place).
    static std::optional<int> TypedValue(const CString& text);

    // True when strValue is empty or a whole number within 32 bits; it is
    // then rewritten: empty stays empty, a number becomes its "%d" text.
    // False leaves strValue as it was.
    static bool NormaliseWholeNumber(CString& strValue);

    // Q x P - D, Q x C and (A + D) / Q (truncated toward zero; none when Q
    // is 0), each none when the result does not fit 32 bits.
    static std::optional<int> Amount(int nQty, int nPrice, int nDiscount);
    static std::optional<int> Discount(int nQty, int nCouponPerUnit);
    static std::optional<int> UnitPrice(int nAmount, int nDiscount, int nQty);
    // The same of typed operands: none when one of them is no value.
    static std::optional<int> Amount(std::optional<int> nQty, std::optional<int> nPrice, std::optional<int> nDiscount);
    static std::optional<int> Discount(std::optional<int> nQty, std::optional<int> nCouponPerUnit);
    static std::optional<int> UnitPrice(std::optional<int> nAmount, std::optional<int> nDiscount,
                                        std::optional<int> nQty);

    // "%d" of a result, empty when there is none.
    static CString Text(std::optional<int> value);
    // "%d" of the full 64-bit value (4300000000 stays 4300000000).
    static CString Text(long long value);
    // The same, but empty for 0: amount fields and totals.
    static CString TextOrEmptyWhenZero(long long value);

    // The exact sum of the leading values of one column over all rows.
    static long long SumColumn(const CListCtrl& list, int nColumn);

    // The text before the first field end (U+001F) of a FetchFirstRow result.
    static CString FirstField(const CString& strRow);
    // The new key after the largest stored one (the first field of
    // strFirstRow; empty or without digits counts 0). False, with strKey
    // untouched, when the key would not fit 32 bits.
    static bool NextKey(const CString& strFirstRow, CString& strKey);

    static bool FitsInt(long long value);
};
