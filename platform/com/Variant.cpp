#include "platform/com/Variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

__extension__ typedef __int128 Int128;

constexpr double kDaysFrom1899To1970 = 25569.0;

// An exact decimal number: mantissa / 10^scale.
struct Exact {
    Int128 mantissa = 0;
    int scale = 0;
};

Int128 Pow10(int n) {
    Int128 v = 1;
    while (n-- > 0) v *= 10;
    return v;
}

std::u16string Widen(const std::string& s) {
    std::u16string out;
    for (unsigned char c : s) out += static_cast<char16_t>(c);
    return out;
}

// The text as plain ASCII without surrounding blanks; false when it holds
// anything else, which no number text does.
bool AsciiTrimmed(const VARIANT* src, std::string& out) {
    out.clear();
    const OLECHAR* p = src->bstrVal;
    unsigned n = SysStringLen(src->bstrVal);
    for (unsigned i = 0; i < n; ++i) {
        if (p[i] > 0x7F) return false;
        out += static_cast<char>(p[i]);
    }
    size_t first = out.find_first_not_of(" \t");
    size_t last = out.find_last_not_of(" \t");
    out = first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
    return true;
}

// Reads "[+-]digits[.digits]" exactly; false for anything else.
bool ParseExact(const std::string& s, Exact& out) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    bool digits = false;
    out = Exact{};
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        digits = true;
        if (out.mantissa > Pow10(30)) return false;
        out.mantissa = out.mantissa * 10 + (s[i] - '0');
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            digits = true;
            if (out.scale >= 30) continue;  // digits past the 30th place cannot matter
            out.mantissa = out.mantissa * 10 + (s[i] - '0');
            ++out.scale;
        }
    }
    if (!digits || i != s.size()) return false;
    if (negative) out.mantissa = -out.mantissa;
    return true;
}

// Rounds to `scale` places, half to even as the platform's conversions do.
Int128 RoundTo(const Exact& e, int scale) {
    if (e.scale <= scale) return e.mantissa * Pow10(scale - e.scale);
    Int128 divisor = Pow10(e.scale - scale);
    Int128 q = e.mantissa / divisor;
    Int128 r = e.mantissa % divisor;
    Int128 twice = (r < 0 ? -r : r) * 2;
    if (twice > divisor || (twice == divisor && (q % 2 != 0))) q += e.mantissa < 0 ? -1 : 1;
    return q;
}

bool HasFraction(const Exact& e) {
    return e.scale > 0 && e.mantissa % Pow10(e.scale) != 0;
}

bool ExactFromDouble(double d, Exact& out) {
    if (!std::isfinite(d) || std::fabs(d) > 1e29) return false;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", d);
    std::string text = buffer;
    if (text.find_first_of("eE") != std::string::npos) {
        std::snprintf(buffer, sizeof buffer, "%.10f", d);
        text = buffer;
    }
    return ParseExact(text, out);
}

Int128 DecimalMagnitude(const DECIMAL& d) {
    return (static_cast<Int128>(d.Hi32) << 64) | d.Lo64;
}

// Any numeric variant as an exact number; `fromText` tells whether it came
// from a text, whose fractions no integer kind may drop.
HRESULT ToExact(const VARIANT* src, Exact& out, bool& fromText) {
    fromText = false;
    switch (src->vt) {
    case VT_UI1: out = {src->bVal, 0}; return S_OK;
    case VT_I2: out = {src->iVal, 0}; return S_OK;
    case VT_I4: out = {src->lVal, 0}; return S_OK;
    case VT_BOOL: out = {src->boolVal ? -1 : 0, 0}; return S_OK;
    case VT_CY: out = {src->cyVal.int64, 4}; return S_OK;
    case VT_DECIMAL: {
        Int128 m = DecimalMagnitude(src->decVal);
        out = {src->decVal.sign & DECIMAL_NEG ? -m : m, src->decVal.scale};
        return S_OK;
    }
    case VT_R4: return ExactFromDouble(src->fltVal, out) ? S_OK : DISP_E_OVERFLOW;
    case VT_R8:
    case VT_DATE: return ExactFromDouble(src->dblVal, out) ? S_OK : DISP_E_OVERFLOW;
    case VT_BSTR: {
        fromText = true;
        std::string text;
        if (!AsciiTrimmed(src, text)) return DISP_E_TYPEMISMATCH;
        if (ParseExact(text, out)) return S_OK;
        char* end = nullptr;
        double d = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != 0 || !std::isfinite(d)) return DISP_E_TYPEMISMATCH;
        return ExactFromDouble(d, out) ? S_OK : DISP_E_OVERFLOW;
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
    out = RoundTo(e, 0);
    return out < low || out > high ? DISP_E_OVERFLOW : S_OK;
}

HRESULT ToDouble(const VARIANT* src, double& out) {
    if (src->vt == VT_R4) { out = src->fltVal; return S_OK; }
    if (src->vt == VT_R8 || src->vt == VT_DATE) { out = src->dblVal; return S_OK; }
    if (src->vt == VT_BSTR) {
        std::string text;
        if (!AsciiTrimmed(src, text) || text.empty()) return DISP_E_TYPEMISMATCH;
        char* end = nullptr;
        out = std::strtod(text.c_str(), &end);
        if (*end != 0) return DISP_E_TYPEMISMATCH;
        return std::isfinite(out) ? S_OK : DISP_E_OVERFLOW;
    }
    Exact e;
    bool fromText = false;
    HRESULT hr = ToExact(src, e, fromText);
    if (FAILED(hr)) return hr;
    out = static_cast<double>(e.mantissa) / std::pow(10.0, e.scale);
    return S_OK;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

HRESULT DateFromText(const VARIANT* src, DATE& out) {
    std::string text;
    if (!AsciiTrimmed(src, text)) return DISP_E_TYPEMISMATCH;
    int y = 0, m = 0, d = 0, hh = 0, mi = 0, ss = 0;
    char tail = 0;
    int n = std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &m, &d, &hh, &mi, &ss, &tail);
    bool dateOnly = n == 3 && text.size() == 10;
    if (!(dateOnly || n == 6)) return DISP_E_TYPEMISMATCH;
    if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m) || hh > 23 || mi > 59 || ss > 59 || hh < 0 || mi < 0 ||
        ss < 0 || y < 100 || y > 9999) {
        return DISP_E_TYPEMISMATCH;
    }
    out = static_cast<double>(DaysFromCivil(y, m, d)) + kDaysFrom1899To1970 + (hh * 3600 + mi * 60 + ss) / 86400.0;
    return S_OK;
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

std::string ExactText(const Exact& e) {
    Int128 m = e.mantissa < 0 ? -e.mantissa : e.mantissa;
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
    return (e.mantissa < 0 ? "-" : "") + digits;
}

std::u16string DateText(DATE date) {
    double days = std::floor(date);
    long long seconds = std::llround((date - days) * 86400.0);
    if (seconds >= 86400) { days += 1; seconds -= 86400; }
    int y, m, d;
    CivilFromDays(static_cast<long long>(days - kDaysFrom1899To1970), y, m, d);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", y, m, d);
    std::u16string text = days != 0 || seconds == 0 ? Widen(buffer) : u"";
    if (seconds != 0) {
        int hour = static_cast<int>(seconds / 3600);
        std::snprintf(buffer, sizeof buffer, " %d:%02d:%02d", hour % 12 == 0 ? 12 : hour % 12,
                      static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
        if (!text.empty()) text += u" ";
        text += hour < 12 ? u"오전" : u"오후";
        text += Widen(buffer);
    }
    return text;
}

HRESULT ToText(const VARIANT* src, std::u16string& out) {
    char buffer[64];
    switch (src->vt) {
    case VT_BSTR: out.assign(src->bstrVal ? src->bstrVal : u"", SysStringLen(src->bstrVal)); return S_OK;
    case VT_BOOL: out = src->boolVal ? u"True" : u"False"; return S_OK;
    case VT_R4: std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(src->fltVal)); break;
    case VT_R8: std::snprintf(buffer, sizeof buffer, "%.15g", src->dblVal); break;
    case VT_DATE: out = DateText(src->date); return S_OK;
    case VT_UI1: case VT_I2: case VT_I4: case VT_CY: case VT_DECIMAL: {
        Exact e;
        bool fromText = false;
        ToExact(src, e, fromText);
        out = Widen(ExactText(e));
        return S_OK;
    }
    default: return DISP_E_TYPEMISMATCH;
    }
    out = Widen(buffer);
    return S_OK;
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
        if (SUCCEEDED(hr) && std::fabs(d) > 3.402823466e38) hr = DISP_E_OVERFLOW;
        result.fltVal = static_cast<float>(d);
        return hr;
    }
    case VT_CY: {
        Exact e;
        bool fromText = false;
        hr = ToExact(src, e, fromText);
        if (FAILED(hr)) return hr;
        whole = RoundTo(e, 4);
        if (whole < INT64_MIN || whole > INT64_MAX) return DISP_E_OVERFLOW;
        result.cyVal.int64 = static_cast<std::int64_t>(whole);
        return S_OK;
    }
    case VT_DECIMAL: {
        Exact e;
        bool fromText = false;
        hr = ToExact(src, e, fromText);
        if (FAILED(hr)) return hr;
        Int128 m = e.mantissa < 0 ? -e.mantissa : e.mantissa;
        if (e.scale > 28 || (m >> 96) != 0) return DISP_E_OVERFLOW;
        result.decVal = DECIMAL{static_cast<std::uint8_t>(e.scale), static_cast<std::uint8_t>(e.mantissa < 0 ? DECIMAL_NEG : 0),
                                static_cast<std::uint32_t>(m >> 64), static_cast<std::uint64_t>(m)};
        return S_OK;
    }
    case VT_BOOL: {
        if (src->vt == VT_BSTR) {
            std::u16string t(src->bstrVal ? src->bstrVal : u"");
            if (t == u"True" || t == u"true" || t == u"TRUE") { result.boolVal = VARIANT_TRUE; return S_OK; }
            if (t == u"False" || t == u"false" || t == u"FALSE") { result.boolVal = VARIANT_FALSE; return S_OK; }
        }
        double d = 0;
        hr = ToDouble(src, d);
        result.boolVal = d != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return hr;
    }
    case VT_DATE:
        if (src->vt == VT_BSTR) return DateFromText(src, result.date);
        return ToDouble(src, result.date);
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
    VARIANT copy = *src;
    if (src->vt == VT_BSTR) copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, std::uint16_t, VARTYPE vt) {
    if (!dest || !src) return E_POINTER;
    if ((src->vt & (VT_ARRAY | VT_BYREF)) || (vt & (VT_ARRAY | VT_BYREF))) return DISP_E_BADVARTYPE;
    if (src->vt == vt) return dest == src ? S_OK : VariantCopy(dest, src);
    if (src->vt == VT_NULL || src->vt == VT_EMPTY) {
        if (vt != VT_BSTR && vt != VT_NULL && vt != VT_EMPTY) return DISP_E_TYPEMISMATCH;
    }
    VARIANT result;
    HRESULT hr = Convert(src, vt, result);
    if (FAILED(hr)) {
        if (result.vt == VT_BSTR && vt == VT_BSTR) SysFreeString(result.bstrVal);
        return hr;
    }
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
    VARIANT cy;
    HRESULT hr = in->vt == VT_CY ? (cy = *in, S_OK) : Convert(in, VT_CY, cy);
    if (FAILED(hr)) return hr;
    // Money rounds half a won away from zero.
    Int128 tenThousandths = cy.cyVal.int64;
    bool negative = tenThousandths < 0;
    Int128 magnitude = ((negative ? -tenThousandths : tenThousandths) + 5000) / 10000;
    std::u16string text = negative && magnitude > 0 ? u"-" : u"";
    text += u"₩";
    text += Widen(GroupThousands(magnitude));
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT VarFormatDateTime(const VARIANT* in, BSTR* out) {
    if (!in || !out) return E_POINTER;
    VARIANT date;
    HRESULT hr = in->vt == VT_DATE ? (date = *in, S_OK) : Convert(in, VT_DATE, date);
    if (FAILED(hr)) return hr;
    *out = SysAllocString(DateText(date.date));
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
