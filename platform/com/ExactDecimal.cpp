#include "platform/com/ExactDecimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

Int128 ExactDecimal::Pow10(int n) {
    Int128 v = 1;
    while (n-- > 0) v *= 10;
    return v;
}

HRESULT ExactDecimal::Parse(std::string_view s, ExactDecimal& out) {
    out = ExactDecimal{};
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
        if (m > kMax / 10) return DISP_E_OVERFLOW;
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

bool ExactDecimal::RoundTo(int places, Int128& out) const {
    if (scale <= places) {
        out = mantissa;
        for (int k = scale; k < places; ++k) {
            if (Abs(out) > kMax / 10) return false;
            out *= 10;
        }
        return true;
    }
    Int128 divisor = Pow10(scale - places);
    Int128 q = mantissa / divisor;
    Int128 r = Abs(mantissa % divisor);
    // r against the half, as r against divisor - r. Below the half the dropped
    // digits cannot reach it: r and the half are both whole.
    Int128 rest = divisor - r;
    bool up = r > rest || (r == rest && (sticky || q % 2 != 0));
    if (up) q += mantissa < 0 ? -1 : 1;
    out = q;
    return true;
}

bool ExactDecimal::HasFraction() const {
    return sticky || (scale > 0 && mantissa % Pow10(scale) != 0);
}

std::string ExactDecimal::DoubleText(double d, int precision) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::general, precision);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

HRESULT ExactDecimal::FromDouble(double d, int precision, ExactDecimal& out) {
    if (!std::isfinite(d)) return DISP_E_OVERFLOW;
    HRESULT hr = Parse(DoubleText(d, precision), out);
    return hr == DISP_E_TYPEMISMATCH ? DISP_E_OVERFLOW : hr;
}

std::string ExactDecimal::Text() const {
    Int128 m = Abs(mantissa);
    std::string digits;  // the last digit first
    do {
        digits += static_cast<char>('0' + static_cast<int>(m % 10));
        m /= 10;
    } while (m > 0);
    while (static_cast<int>(digits.size()) <= scale) digits += '0';
    std::reverse(digits.begin(), digits.end());
    std::string text = digits.substr(0, digits.size() - scale);
    std::string fraction = digits.substr(digits.size() - scale);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return (mantissa < 0 && text != "0" ? "-" : "") + text;
}
