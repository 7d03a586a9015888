#include "platform/com/VariantConversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "platform/com/ExactDecimal.h"
#include "platform/com/VariantText.h"
#include "platform/shell/AsciiCase.h"

namespace {

std::u16string_view TextOf(const VARIANT* src) {
    return std::u16string_view(src->bstrVal ? src->bstrVal : u"", SysStringLen(src->bstrVal));
}

// The text as plain ASCII; false when it holds anything else, which no number
// text does.
bool Ascii(std::u16string_view text, std::string& out) {
    out.clear();
    for (char16_t c : text) {
        if (c > 0x7F) return false;
        out += static_cast<char>(c);
    }
    return true;
}

// Any numeric variant as an exact number; `fromText` tells whether it came
// from a text, whose fractions no integer kind may drop.
HRESULT ToExact(const VARIANT* src, ExactDecimal& out, bool& fromText) {
    fromText = false;
    out = ExactDecimal{};
    switch (src->vt) {
    case VT_UI1: out.mantissa = src->bVal; return S_OK;
    case VT_I2: out.mantissa = src->iVal; return S_OK;
    case VT_I4: out.mantissa = src->lVal; return S_OK;
    case VT_BOOL: out.mantissa = src->boolVal ? -1 : 0; return S_OK;
    case VT_CY: out = {src->cyVal.int64, 4, false}; return S_OK;
    case VT_DECIMAL: {
        Int128 m = (static_cast<Int128>(src->decVal.Hi32) << 64) | src->decVal.Lo64;
        if (src->decVal.scale > 28) return DISP_E_OVERFLOW;
        out = {src->decVal.sign & DECIMAL_NEG ? -m : m, src->decVal.scale, false};
        return S_OK;
    }
    case VT_R4: return ExactDecimal::FromDouble(src->fltVal, 7, out);
    case VT_R8:
    case VT_DATE: return ExactDecimal::FromDouble(src->dblVal, 15, out);
    case VT_BSTR: {
        fromText = true;
        std::string text;
        if (!Ascii(VariantText::Trimmed(TextOf(src)), text)) return DISP_E_TYPEMISMATCH;
        return ExactDecimal::Parse(text, out);
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT ToInteger(const VARIANT* src, Int128 low, Int128 high, Int128& out) {
    ExactDecimal e;
    bool fromText = false;
    HRESULT hr = ToExact(src, e, fromText);
    if (FAILED(hr)) return hr;
    if (fromText && e.HasFraction()) return DISP_E_TYPEMISMATCH;  // "1.5" is no whole number
    if (!e.RoundTo(0, out)) return DISP_E_OVERFLOW;
    return out < low || out > high ? DISP_E_OVERFLOW : S_OK;
}

HRESULT ToDouble(const VARIANT* src, double& out) {
    switch (src->vt) {
    case VT_R4: out = src->fltVal; return S_OK;
    case VT_R8:
    case VT_DATE: out = src->dblVal; return S_OK;
    case VT_BSTR: {
        std::string text;
        if (!Ascii(VariantText::Trimmed(TextOf(src)), text)) return DISP_E_TYPEMISMATCH;
        ExactDecimal grammar;
        if (ExactDecimal::Parse(text, grammar) == DISP_E_TYPEMISMATCH) return DISP_E_TYPEMISMATCH;
        const char* first = text.c_str();
        bool negative = *first == '-';
        if (*first == '+' || *first == '-') ++first;
        double magnitude = 0;
        auto [end, ec] = std::from_chars(first, text.c_str() + text.size(), magnitude, std::chars_format::general);
        if (ec == std::errc::result_out_of_range) {
            // Too small is zero; too large overflows.
            size_t e = text.find_first_of("eE");
            if (e != std::string::npos && text[e + 1] == '-') magnitude = 0;
            else return DISP_E_OVERFLOW;
        } else if (ec != std::errc() || end != text.c_str() + text.size()) {
            return DISP_E_TYPEMISMATCH;
        }
        out = negative ? -magnitude : magnitude;
        return S_OK;
    }
    default: {
        ExactDecimal e;
        bool fromText = false;
        HRESULT hr = ToExact(src, e, fromText);
        if (FAILED(hr)) return hr;
        out = static_cast<double>(e.mantissa) / std::pow(10.0, e.scale);
        return S_OK;
    }
    }
}

HRESULT ToText(const VARIANT* src, std::u16string& out) {
    switch (src->vt) {
    case VT_EMPTY: out.clear(); return S_OK;
    case VT_BSTR: out.assign(TextOf(src)); return S_OK;
    case VT_BOOL: out = src->boolVal ? u"True" : u"False"; return S_OK;
    case VT_R4: out = VariantText::Widen(ExactDecimal::DoubleText(src->fltVal, 7)); return S_OK;
    case VT_R8: out = VariantText::Widen(ExactDecimal::DoubleText(src->dblVal, 15)); return S_OK;
    case VT_DATE: return VariantText::DateToText(src->date, out);
    case VT_UI1: case VT_I2: case VT_I4: case VT_CY: case VT_DECIMAL: {
        ExactDecimal e;
        bool fromText = false;
        HRESULT hr = ToExact(src, e, fromText);
        if (FAILED(hr)) return hr;
        out = VariantText::Widen(e.Text());
        return S_OK;
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

// A text variant in the currency form read back as its plain number.
HRESULT ToExactMoney(const VARIANT* src, ExactDecimal& e) {
    bool fromText = false;
    if (src->vt != VT_BSTR) return ToExact(src, e, fromText);
    std::u16string plain;
    if (!VariantText::PlainCurrencyText(TextOf(src), plain)) return DISP_E_TYPEMISMATCH;
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(plain);
    if (!text.bstrVal) return E_OUTOFMEMORY;
    HRESULT hr = ToExact(&text, e, fromText);
    SysFreeString(text.bstrVal);
    return hr;
}

HRESULT ToFloat(const VARIANT* src, float& out) {
    double d = 0;
    HRESULT hr = ToDouble(src, d);
    if (SUCCEEDED(hr) && std::fabs(d) > std::numeric_limits<float>::max()) hr = DISP_E_OVERFLOW;
    out = static_cast<float>(d);
    return hr;
}

HRESULT ToCurrency(const VARIANT* src, CY& out) {
    ExactDecimal e;
    HRESULT hr = ToExactMoney(src, e);
    if (FAILED(hr)) return hr;
    Int128 whole = 0;
    if (!e.RoundTo(4, whole) || whole < INT64_MIN || whole > INT64_MAX) return DISP_E_OVERFLOW;
    out.int64 = static_cast<std::int64_t>(whole);
    return S_OK;
}

HRESULT ToDecimal(const VARIANT* src, DECIMAL& out) {
    ExactDecimal e;
    HRESULT hr = ToExactMoney(src, e);
    if (FAILED(hr)) return hr;
    // At most 28 fraction places and 96 bits: fraction places give way
    // first, each try rounding the exact value once.
    int scale = e.scale < 28 ? e.scale : 28;
    Int128 m = 0;
    while (!e.RoundTo(scale, m) || (ExactDecimal::Abs(m) >> 96) != 0) {
        if (scale == 0) return DISP_E_OVERFLOW;
        --scale;
    }
    Int128 magnitude = ExactDecimal::Abs(m);
    out = DECIMAL{static_cast<std::uint8_t>(scale), static_cast<std::uint8_t>(m < 0 ? DECIMAL_NEG : 0),
                  static_cast<std::uint32_t>(magnitude >> 64), static_cast<std::uint64_t>(magnitude)};
    return S_OK;
}

// "True" and "False" in any case, else any number, true when it is not zero.
HRESULT ToBool(const VARIANT* src, VARIANT_BOOL& out) {
    if (src->vt == VT_BSTR) {
        std::u16string_view t = VariantText::Trimmed(TextOf(src));
        if (AsciiCase::Equal(t, u"true")) { out = VARIANT_TRUE; return S_OK; }
        if (AsciiCase::Equal(t, u"false")) { out = VARIANT_FALSE; return S_OK; }
    }
    double d = 0;
    HRESULT hr = ToDouble(src, d);
    out = d != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return hr;
}

// A text in the date forms, or a number of days inside the dates a variant holds.
HRESULT ToDate(const VARIANT* src, DATE& out) {
    if (src->vt == VT_BSTR) return VariantText::DateFromText(TextOf(src), out);
    HRESULT hr = ToDouble(src, out);
    if (SUCCEEDED(hr) && (out <= VariantText::kFirstDate - 1 || out >= VariantText::kLastDate)) hr = DISP_E_OVERFLOW;
    return hr;
}

// The string is allocated only once the text is made, so that a failure
// allocates nothing.
HRESULT ToBstr(const VARIANT* src, BSTR& out) {
    std::u16string text;
    HRESULT hr = ToText(src, text);
    if (FAILED(hr)) return hr;
    out = SysAllocString(text);
    return out ? S_OK : E_OUTOFMEMORY;
}

} // namespace

HRESULT VariantConversion::Convert(const VARIANT* src, VARTYPE vt, VARIANT& result) {
    result.vt = vt;
    Int128 whole = 0;
    HRESULT hr = S_OK;
    switch (vt) {
    case VT_UI1: hr = ToInteger(src, 0, 255, whole); result.bVal = static_cast<std::uint8_t>(whole); return hr;
    case VT_I2: hr = ToInteger(src, -32768, 32767, whole); result.iVal = static_cast<std::int16_t>(whole); return hr;
    case VT_I4:
        hr = ToInteger(src, INT32_MIN, INT32_MAX, whole);
        result.lVal = static_cast<std::int32_t>(whole);
        return hr;
    case VT_R8: return ToDouble(src, result.dblVal);
    case VT_R4: return ToFloat(src, result.fltVal);
    case VT_CY: return ToCurrency(src, result.cyVal);
    case VT_DECIMAL: return ToDecimal(src, result.decVal);
    case VT_BOOL: return ToBool(src, result.boolVal);
    case VT_DATE: return ToDate(src, result.date);
    case VT_BSTR: return ToBstr(src, result.bstrVal);
    case VT_EMPTY: return S_OK;
    case VT_NULL: return S_OK;
    default: return DISP_E_BADVARTYPE;
    }
}
