#include "platform/com/Variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "platform/shell/AsciiCase.h"
#include "platform/shell/CivilDate.h"

// Nothing here reads the C locale: numbers are read and written with
// std::from_chars and std::to_chars, so a desktop whose locale writes "3,5"
// (which the toolkit may switch on) changes no value and no text.

namespace {

__extension__ typedef __int128 Int128;

constexpr Int128 kInt128Max = ((static_cast<Int128>(1) << 126) - 1) * 2 + 1;
constexpr double kDaysFrom1899To1970 = 25569.0;
// Significant digits kept of a number text; more never fit any kind here.
constexpr int kMaxDigits = 36;
// Fraction places kept; 10^38 still fits the 128-bit mantissa.
constexpr int kMaxScale = 38;
constexpr char16_t kWon = u'\u20A9';

// An exact decimal number: mantissa / 10^scale, 0 <= scale <= kMaxScale.
// `sticky`: non-zero digits beyond what the mantissa holds were dropped, so the
// value is a little further from zero than the mantissa says.
struct Exact {
    Int128 mantissa = 0;
    int scale = 0;
    bool sticky = false;
};

Int128 Pow10(int n) {
    Int128 v = 1;
    while (n-- > 0) v *= 10;
    return v;
}

Int128 Abs(Int128 v) { return v < 0 ? -v : v; }

std::u16string Widen(std::string_view s) {
    std::u16string out;
    for (unsigned char c : s) out += static_cast<char16_t>(c);
    return out;
}

std::u16string_view TextOf(const VARIANT* src) {
    return std::u16string_view(src->bstrVal ? src->bstrVal : u"", SysStringLen(src->bstrVal));
}

std::u16string_view Trimmed(std::u16string_view t) {
    while (!t.empty() && (t.front() == u' ' || t.front() == u'\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == u' ' || t.back() == u'\t')) t.remove_suffix(1);
    return t;
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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads "[+-]digits[.digits][(e|E)[+-]digits]" (digits on at least one side of
// the point) into an exact number. DISP_E_TYPEMISMATCH for any other text,
// DISP_E_OVERFLOW for a number too large for 128 bits.
HRESULT ParseNumber(std::string_view s, Exact& out) {
    out = Exact{};
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int digits = 0;
    int significant = 0;
    Int128 m = 0;
    long scale = 0;
    bool sticky = false;
    auto take = [&](int d, bool fraction) {
        ++digits;
        if (significant == 0 && d == 0) {
            if (fraction) ++scale;
            return;
        }
        if (significant < kMaxDigits) {
            m = m * 10 + d;
            ++significant;
            if (fraction) ++scale;
        } else {
            if (!fraction) --scale;
            sticky |= d != 0;
        }
    };
    for (; i < s.size() && IsDigit(s[i]); ++i) take(s[i] - '0', false);
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i) take(s[i] - '0', true);
    }
    if (digits == 0) return DISP_E_TYPEMISMATCH;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        if (i == s.size() || !IsDigit(s[i])) return DISP_E_TYPEMISMATCH;
        long exponent = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
        }
        scale += negativeExponent ? exponent : -exponent;
    }
    if (i != s.size()) return DISP_E_TYPEMISMATCH;
    if (m == 0) scale = 0;
    for (; scale < 0; ++scale) {
        if (m > kInt128Max / 10) return DISP_E_OVERFLOW;
        m *= 10;
    }
    for (; scale > kMaxScale; --scale) {
        sticky |= m % 10 != 0;
        m /= 10;
    }
    if (m == 0 && !sticky) scale = 0;
    out = {negative ? -m : m, static_cast<int>(scale), sticky};
    return S_OK;
}

// Rounds to `places` fraction places (0 to kMaxScale), half to even as the
// platform's conversions do; false when the result does not fit.
bool RoundTo(const Exact& e, int places, Int128& out) {
    if (e.scale <= places) {
        out = e.mantissa;
        for (int k = e.scale; k < places; ++k) {
            if (Abs(out) > kInt128Max / 10) return false;
            out *= 10;
        }
        return true;
    }
    Int128 divisor = Pow10(e.scale - places);
    Int128 q = e.mantissa / divisor;
    Int128 r = Abs(e.mantissa % divisor);
    // r against the half, as r against divisor - r. Below the half the dropped
    // digits cannot reach it: r and the half are both whole.
    Int128 rest = divisor - r;
    bool up = r > rest || (r == rest && (e.sticky || q % 2 != 0));
    if (up) q += e.mantissa < 0 ? -1 : 1;
    out = q;
    return true;
}

bool HasFraction(const Exact& e) {
    return e.sticky || (e.scale > 0 && e.mantissa % Pow10(e.scale) != 0);
}

// A double with `precision` significant digits, as the platform shows it.
std::string DoubleText(double d, int precision) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::general, precision);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

HRESULT ExactFromDouble(double d, int precision, Exact& out) {
    if (!std::isfinite(d)) return DISP_E_OVERFLOW;
    HRESULT hr = ParseNumber(DoubleText(d, precision), out);
    return hr == DISP_E_TYPEMISMATCH ? DISP_E_OVERFLOW : hr;
}

// Any numeric variant as an exact number; `fromText` tells whether it came
// from a text, whose fractions no integer kind may drop.
HRESULT ToExact(const VARIANT* src, Exact& out, bool& fromText) {
    fromText = false;
    out = Exact{};
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
    case VT_R4: return ExactFromDouble(src->fltVal, 7, out);
    case VT_R8:
    case VT_DATE: return ExactFromDouble(src->dblVal, 15, out);
    case VT_BSTR: {
        fromText = true;
        std::string text;
        if (!Ascii(Trimmed(TextOf(src)), text)) return DISP_E_TYPEMISMATCH;
        return ParseNumber(text, out);
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT ToInteger(const VARIANT* src, Int128 low, Int128 high, Int128& out) {
    Exact e;
    bool fromText = false;
    HRESULT hr = ToExact(src, e, fromText);
    if (FAILED(hr)) return hr;
    if (fromText && HasFraction(e)) return DISP_E_TYPEMISMATCH;  // "1.5" is no whole number
    if (!RoundTo(e, 0, out)) return DISP_E_OVERFLOW;
    return out < low || out > high ? DISP_E_OVERFLOW : S_OK;
}

HRESULT ToDouble(const VARIANT* src, double& out) {
    switch (src->vt) {
    case VT_R4: out = src->fltVal; return S_OK;
    case VT_R8:
    case VT_DATE: out = src->dblVal; return S_OK;
    case VT_BSTR: {
        std::string text;
        if (!Ascii(Trimmed(TextOf(src)), text)) return DISP_E_TYPEMISMATCH;
        Exact grammar;
        if (ParseNumber(text, grammar) == DISP_E_TYPEMISMATCH) return DISP_E_TYPEMISMATCH;
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
        Exact e;
        bool fromText = false;
        HRESULT hr = ToExact(src, e, fromText);
        if (FAILED(hr)) return hr;
        out = static_cast<double>(e.mantissa) / std::pow(10.0, e.scale);
        return S_OK;
    }
    }
}

// "₩1,234.5" and "-₩1,234" (the currency form this file writes) as the plain
// number "1234.5", "-1234"; false when the won sign is there but the digit
// groups are wrong. A text without the won sign is left as it is.
bool PlainCurrencyText(std::u16string_view text, std::u16string& out) {
    text = Trimmed(text);
    out.assign(text);
    size_t won = text.find(kWon);
    if (won == std::u16string_view::npos) return true;
    out.clear();
    size_t i = 0;
    if (text.size() > 0 && text[0] == u'-') out += text[i++];
    if (won != i) return false;
    ++i;
    int group = 0;
    bool first = true;
    for (; i < text.size() && text[i] != u'.'; ++i) {
        char16_t c = text[i];
        if (c == u',') {
            if ((first && (group < 1 || group > 3)) || (!first && group != 3)) return false;
            first = false;
            group = 0;
        } else if (c >= u'0' && c <= u'9') {
            out += c;
            ++group;
        } else {
            return false;
        }
    }
    if (group == 0 || (!first && group != 3)) return false;
    out.append(text.substr(i));
    return true;
}

// Reads exactly `count` digits at text[at].
bool Digits(std::u16string_view text, size_t at, size_t count, int& out) {
    if (at + count > text.size()) return false;
    out = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < u'0' || text[i] > u'9') return false;
        out = out * 10 + (text[i] - u'0');
    }
    return true;
}

// "YYYY-MM-DD", optionally followed by blanks and a time: "H:MM[:SS]" on the
// 24-hour clock, or "오전 h:mm[:ss]" / "오후 h:mm[:ss]" (the form this file
// writes).
HRESULT DateFromText(std::u16string_view text, DATE& out) {
    text = Trimmed(text);
    int y = 0, m = 0, d = 0, hh = 0, mi = 0, ss = 0;
    if (!Digits(text, 0, 4, y) || text.size() < 10 || text[4] != u'-' || !Digits(text, 5, 2, m) || text[7] != u'-' ||
        !Digits(text, 8, 2, d)) {
        return DISP_E_TYPEMISMATCH;
    }
    if (y < 100 || !CivilDate{y, m, d}.Exists()) return DISP_E_TYPEMISMATCH;
    std::u16string_view rest = text.substr(10);
    if (!rest.empty()) {
        if (rest.front() != u' ') return DISP_E_TYPEMISMATCH;
        rest = Trimmed(rest);
        int half = -1;  // 0 morning, 1 afternoon, -1 the 24-hour clock
        if (rest.starts_with(u"오전") || rest.starts_with(u"오후")) {
            half = rest.starts_with(u"오후") ? 1 : 0;
            rest = Trimmed(rest.substr(2));
        }
        size_t colon = rest.find(u':');
        if (colon != 1 && colon != 2) return DISP_E_TYPEMISMATCH;
        if (!Digits(rest, 0, colon, hh) || !Digits(rest, colon + 1, 2, mi)) return DISP_E_TYPEMISMATCH;
        size_t end = colon + 3;
        if (end < rest.size()) {
            if (rest[end] != u':' || !Digits(rest, end + 1, 2, ss) || end + 3 != rest.size()) {
                return DISP_E_TYPEMISMATCH;
            }
        }
        if (half >= 0) {
            if (hh < 1 || hh > 12) return DISP_E_TYPEMISMATCH;
            hh = hh % 12 + 12 * half;
        }
        if (hh > 23 || mi > 59 || ss > 59) return DISP_E_TYPEMISMATCH;
    }
    double days = static_cast<double>(CivilDate{y, m, d}.DaysSince1970()) + kDaysFrom1899To1970;
    double time = (hh * 3600 + mi * 60 + ss) / 86400.0;
    // Before 1899-12-30 the time of day still counts away from zero.
    out = days < 0 ? days - time : days + time;
    return S_OK;
}

// The range of dates the platform knows: 0100-01-01 to 9999-12-31.
constexpr double kFirstDate = -657434.0;
constexpr double kLastDate = 2958466.0;

HRESULT DateText(DATE date, std::u16string& text) {
    if (!std::isfinite(date) || date <= kFirstDate - 1 || date >= kLastDate) return DISP_E_OVERFLOW;
    double whole = std::trunc(date);
    long long seconds = std::llround(std::fabs(date - whole) * 86400.0);
    long long day = static_cast<long long>(whole);
    if (seconds >= 86400) {
        ++day;
        seconds = 0;
    }
    CivilDate civil = CivilDate::FromDaysSince1970(day - static_cast<long long>(kDaysFrom1899To1970));
    text.clear();
    char buffer[32];
    // A time alone (day 0) shows only the time.
    if (day != 0 || seconds == 0) {
        auto put = [&](int v, int width) {
            auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
            (void)ec;
            for (int pad = width - static_cast<int>(end - buffer); pad > 0; --pad) text += u'0';
            text += Widen(std::string_view(buffer, end - buffer));
        };
        put(civil.year, 4);
        text += u'-';
        put(civil.month, 2);
        text += u'-';
        put(civil.day, 2);
    }
    if (seconds != 0) {
        int hour = static_cast<int>(seconds / 3600);
        int minute = static_cast<int>(seconds / 60 % 60);
        int second = static_cast<int>(seconds % 60);
        if (!text.empty()) text += u' ';
        text += hour < 12 ? u"오전 " : u"오후 ";
        text += Widen(std::to_string(hour % 12 == 0 ? 12 : hour % 12));
        text += minute < 10 ? u":0" : u":";
        text += Widen(std::to_string(minute));
        text += second < 10 ? u":0" : u":";
        text += Widen(std::to_string(second));
    }
    return S_OK;
}

std::string ExactText(const Exact& e) {
    Int128 m = Abs(e.mantissa);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m > 0);
    if (e.scale > 0) {
        while (static_cast<int>(digits.size()) <= e.scale) digits.insert(digits.begin(), '0');
        digits.insert(digits.size() - e.scale, ".");
        while (digits.back() == '0') digits.pop_back();
        if (digits.back() == '.') digits.pop_back();
    }
    return (e.mantissa < 0 && digits != "0" ? "-" : "") + digits;
}

std::string GroupThousands(Int128 magnitude) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude > 0);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
    return digits;
}

HRESULT ToText(const VARIANT* src, std::u16string& out) {
    switch (src->vt) {
    case VT_EMPTY: out.clear(); return S_OK;
    case VT_BSTR: out.assign(TextOf(src)); return S_OK;
    case VT_BOOL: out = src->boolVal ? u"True" : u"False"; return S_OK;
    case VT_R4: out = Widen(DoubleText(src->fltVal, 7)); return S_OK;
    case VT_R8: out = Widen(DoubleText(src->dblVal, 15)); return S_OK;
    case VT_DATE: return DateText(src->date, out);
    case VT_UI1: case VT_I2: case VT_I4: case VT_CY: case VT_DECIMAL: {
        Exact e;
        bool fromText = false;
        HRESULT hr = ToExact(src, e, fromText);
        if (FAILED(hr)) return hr;
        out = Widen(ExactText(e));
        return S_OK;
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

// A text variant in the currency form read back as its plain number.
HRESULT ToExactMoney(const VARIANT* src, Exact& e) {
    bool fromText = false;
    if (src->vt != VT_BSTR) return ToExact(src, e, fromText);
    std::u16string plain;
    if (!PlainCurrencyText(TextOf(src), plain)) return DISP_E_TYPEMISMATCH;
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(plain);
    if (!text.bstrVal) return E_OUTOFMEMORY;
    HRESULT hr = ToExact(&text, e, fromText);
    SysFreeString(text.bstrVal);
    return hr;
}

HRESULT Convert(const VARIANT* src, VARTYPE vt, VARIANT& result) {
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
    case VT_R4: {
        double d = 0;
        hr = ToDouble(src, d);
        if (SUCCEEDED(hr) && std::fabs(d) > std::numeric_limits<float>::max()) hr = DISP_E_OVERFLOW;
        result.fltVal = static_cast<float>(d);
        return hr;
    }
    case VT_CY: {
        Exact e;
        hr = ToExactMoney(src, e);
        if (FAILED(hr)) return hr;
        if (!RoundTo(e, 4, whole) || whole < INT64_MIN || whole > INT64_MAX) return DISP_E_OVERFLOW;
        result.cyVal.int64 = static_cast<std::int64_t>(whole);
        return S_OK;
    }
    case VT_DECIMAL: {
        Exact e;
        hr = ToExactMoney(src, e);
        if (FAILED(hr)) return hr;
        // At most 28 fraction places and 96 bits: fraction places give way
        // first, each try rounding the exact value once.
        int scale = e.scale < 28 ? e.scale : 28;
        Int128 m = 0;
        while (!RoundTo(e, scale, m) || (Abs(m) >> 96) != 0) {
            if (scale == 0) return DISP_E_OVERFLOW;
            --scale;
        }
        Int128 magnitude = Abs(m);
        result.decVal = DECIMAL{static_cast<std::uint8_t>(scale), static_cast<std::uint8_t>(m < 0 ? DECIMAL_NEG : 0),
                                static_cast<std::uint32_t>(magnitude >> 64), static_cast<std::uint64_t>(magnitude)};
        return S_OK;
    }
    case VT_BOOL: {
        if (src->vt == VT_BSTR) {
            std::u16string_view t = Trimmed(TextOf(src));
            if (AsciiCase::Equal(t, u"true")) { result.boolVal = VARIANT_TRUE; return S_OK; }
            if (AsciiCase::Equal(t, u"false")) { result.boolVal = VARIANT_FALSE; return S_OK; }
        }
        double d = 0;
        hr = ToDouble(src, d);
        result.boolVal = d != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return hr;
    }
    case VT_DATE:
        if (src->vt == VT_BSTR) return DateFromText(TextOf(src), result.date);
        hr = ToDouble(src, result.date);
        if (SUCCEEDED(hr) && (result.date <= kFirstDate - 1 || result.date >= kLastDate)) hr = DISP_E_OVERFLOW;
        return hr;
    case VT_BSTR: {
        std::u16string text;
        hr = ToText(src, text);
        if (FAILED(hr)) return hr;
        result.bstrVal = SysAllocString(text);
        return result.bstrVal ? S_OK : E_OUTOFMEMORY;
    }
    case VT_EMPTY: return S_OK;
    case VT_NULL: return S_OK;
    default: return DISP_E_BADVARTYPE;
    }
}

} // namespace

void VariantInit(VARIANT* v) {
    if (!v) return;
    v->vt = VT_EMPTY;
    v->decVal = DECIMAL{};
}

HRESULT VariantClear(VARIANT* v) {
    if (!v) return E_POINTER;
    if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
    if (!dest || !src) return E_POINTER;
    if (dest == src) return S_OK;
    VARIANT copy = *src;
    if (src->vt == VT_BSTR) {
        copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (!copy.bstrVal && src->bstrVal) return E_OUTOFMEMORY;
    }
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, std::uint16_t, VARTYPE vt) {
    if (!dest || !src) return E_POINTER;
    if ((src->vt & (VT_ARRAY | VT_BYREF)) || (vt & (VT_ARRAY | VT_BYREF))) return DISP_E_BADVARTYPE;
    if (src->vt == vt) return VariantCopy(dest, src);
    if (src->vt == VT_NULL || src->vt == VT_EMPTY) {
        if (vt != VT_BSTR && vt != VT_NULL && vt != VT_EMPTY) return DISP_E_TYPEMISMATCH;
    }
    VARIANT result;
    HRESULT hr = Convert(src, vt, result);
    if (FAILED(hr)) return hr;  // a failed conversion allocates nothing
    VariantClear(dest);
    *dest = result;
    return S_OK;
}

HRESULT VarCyFromDec(const DECIMAL* in, CY* out) {
    if (!in || !out) return E_POINTER;
    VARIANT v;
    v.vt = VT_DECIMAL;
    v.decVal = *in;
    VARIANT cy;
    HRESULT hr = Convert(&v, VT_CY, cy);
    if (SUCCEEDED(hr)) *out = cy.cyVal;
    return hr;
}

HRESULT VarFormatCurrency(const VARIANT* in, BSTR* out) {
    if (!in || !out) return E_POINTER;
    *out = nullptr;
    VARIANT cy;
    HRESULT hr = in->vt == VT_CY ? (cy = *in, S_OK) : Convert(in, VT_CY, cy);
    if (FAILED(hr)) return hr;
    // Money rounds half a won away from zero.
    Int128 tenThousandths = cy.cyVal.int64;
    bool negative = tenThousandths < 0;
    Int128 magnitude = (Abs(tenThousandths) + 5000) / 10000;
    std::u16string text = negative && magnitude > 0 ? u"-" : u"";
    text += kWon;
    text += Widen(GroupThousands(magnitude));
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT VarFormatDateTime(const VARIANT* in, BSTR* out) {
    if (!in || !out) return E_POINTER;
    *out = nullptr;
    VARIANT date;
    HRESULT hr = in->vt == VT_DATE ? (date = *in, S_OK) : Convert(in, VT_DATE, date);
    if (FAILED(hr)) return hr;
    std::u16string text;
    hr = DateText(date.date, text);
    if (FAILED(hr)) return hr;
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT MakeTextVariant(std::u16string_view text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    return v;
}

VARIANT MakeI4Variant(std::int32_t value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}
