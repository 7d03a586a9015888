#pragma once
// Automation values: a VARIANT holds one value of one of the kinds below,
// named by its 16-bit type code. The array and by-reference bits may be set on
// top of a kind; such values are never converted here.
//
// Texts of currency, date and decimal values have one fixed Korean form:
//   currency (and decimal): whole won with thousands separators, "₩1,235",
//     "-₩50"; fractions of a won are rounded half away from zero.
//   date: "YYYY-MM-DD", followed by " 오전 h:mm:ss" or " 오후 h:mm:ss" when the
//     value has a time of day; a time alone shows only the time part.
// Reading texts back, currency and decimal take plain decimal numbers
// ("-1234.5", at most 4 and 28 fraction digits), dates take "YYYY-MM-DD" with
// an optional " HH:MM:SS" (24-hour).

#include <cstdint>

#include "platform/com/Bstr.h"

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;
using DATE = double;  // days since 1899-12-30, the fraction the time of day

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_BOOL = 11,
    VT_DECIMAL = 14,
    VT_UI1 = 17,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
};

// Currency: a count of ten-thousandths.
struct CY {
    std::int64_t int64 = 0;
};

// A decimal number: the 96-bit magnitude Hi32:Lo64 divided by 10^scale.
struct DECIMAL {
    std::uint8_t scale = 0;
    std::uint8_t sign = 0;  // 0x80 when negative
    std::uint32_t Hi32 = 0;
    std::uint64_t Lo64 = 0;
};
constexpr std::uint8_t DECIMAL_NEG = 0x80;

struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    union {
        std::uint8_t bVal;
        std::int16_t iVal;
        std::int32_t lVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        CY cyVal;
        DATE date;
        BSTR bstrVal;
        DECIMAL decVal;
        void* byref;
    };
    VARIANT() : decVal() {}
};
using VARIANTARG = VARIANT;

void VariantInit(VARIANT* v);
// Frees what the variant owns (its text) and leaves it empty.
HRESULT VariantClear(VARIANT* v);
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);
// Converts src into the kind vt and stores it in dest (which may be src).
// A text that is not a number of the target kind fails with
// DISP_E_TYPEMISMATCH, one outside its range with DISP_E_OVERFLOW; dest is then
// left as it was.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, std::uint16_t flags, VARTYPE vt);

// The fixed Korean texts of currency and date-time values (see above).
HRESULT VarFormatCurrency(const VARIANT* in, BSTR* out);
HRESULT VarFormatDateTime(const VARIANT* in, BSTR* out);
HRESULT VarCyFromDec(const DECIMAL* in, CY* out);

// Convenience for makers of values.
VARIANT MakeTextVariant(std::u16string_view text);
VARIANT MakeI4Variant(std::int32_t value);
