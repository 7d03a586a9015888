#pragma once
// Automation values: a VARIANT holds one value of one of the kinds below,
// named by its 16-bit type code. The array and by-reference bits may be set on
// top of a kind; such values are never converted here.
//
// Text forms. Every text below is the same whatever the host's locale: the
// program's fixed form is that of a Korean device (locale 1042, also what the
// program's "user default locale" 1024 means here).
//   currency (VarFormatCurrency; decimals go to currency first): whole won
//     with thousands separators and the won sign, "₩1,235", "-₩50", "₩0";
//     fractions of a won are rounded half away from zero.
//   date (VarFormatDateTime, and VT_DATE to text): "YYYY-MM-DD"; with a time
//     of day "YYYY-MM-DD 오전 h:mm:ss" or "YYYY-MM-DD 오후 h:mm:ss" (12-hour
//     clock, 12 for the hours 0 and 12); a time alone (day 0, 1899-12-30)
//     shows only "오전 h:mm:ss". Dates run from 0100-01-01 to 9999-12-31;
//     before 1899-12-30 the fraction counts the time of day away from zero.
//   numbers to text: integer, currency and decimal values as plain decimals
//     ("-1234.5", no separators, no trailing zeros); 32-bit floats with 7
//     significant digits and 64-bit floats with 15 ("%g"-like, "1e+20");
//     booleans "True" and "False"; an empty value the empty text.
// Texts read as values (after blanks and tabs at either end are dropped):
//   numbers: "[+-]digits[.digits][(e|E)[+-]digits]" in ASCII digits, nothing
//     else: no separators, no hexadecimal, no "inf" or "nan", no empty text.
//     The integer kinds (VT_UI1, VT_I2, VT_I4) take whole numbers only: "1.5"
//     is a type mismatch rather than 2. Currency and decimal also take their
//     own currency form, "₩1,234.5" or "-₩1,234" (correct digit groups).
//   dates: "YYYY-MM-DD", optionally followed by a time "H:MM[:SS]" (24-hour)
//     or "오전 h:mm[:ss]" / "오후 h:mm[:ss]".
//   booleans: "True" or "False" in any letter case, or a number (non-zero is
//     true).
// A text that is not a value of the target kind fails with
// DISP_E_TYPEMISMATCH; a value outside the kind's range with DISP_E_OVERFLOW.
// Neither is ever read as 0.

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
    VT_UNKNOWN = 13,
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
        IUnknown* punkVal;  // a reference the variant holds
        void* byref;
    };
    VARIANT() : decVal() {}
};
using VARIANTARG = VARIANT;

void VariantInit(VARIANT* v);
// Frees what the variant owns (its text, its object reference) and leaves it empty.
HRESULT VariantClear(VARIANT* v);
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);
// Converts src into the kind vt and stores it in dest (which may be src, the
// in-place conversion). On failure dest is left as it was. Values with the
// array or by-reference flag are never converted (DISP_E_BADVARTYPE).
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, std::uint16_t flags, VARTYPE vt);

// The fixed Korean texts of currency and date-time values (see above).
HRESULT VarFormatCurrency(const VARIANT* in, BSTR* out);
HRESULT VarFormatDateTime(const VARIANT* in, BSTR* out);
HRESULT VarCyFromDec(const DECIMAL* in, CY* out);

// Convenience for makers of values.
VARIANT MakeTextVariant(std::u16string_view text);
VARIANT MakeI4Variant(std::int32_t value);
// A variant holding a new reference to the object.
VARIANT MakeUnknownVariant(IUnknown* object);
