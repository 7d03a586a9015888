#pragma once
// Exact decimal numbers, the common ground of the numeric conversions of a
// variant: a 128-bit mantissa over a power of ten. A number text is read into
// one without loss (36 significant digits; non-zero digits beyond them are
// remembered, so that rounding still goes the right way), rounded half to even
// to a count of fraction places, and written back as a plain decimal.
//
// Nothing here knows the variant kinds or their ranges (VariantConversion
// decides what a number may become), nor money or dates (VariantText). Numbers
// are read and written with std::from_chars and std::to_chars, never through
// the C locale, so a desktop whose locale writes "3,5" changes no value.

#include <string>
#include <string_view>

#include "platform/com/ComTypes.h"

__extension__ typedef __int128 Int128;

struct ExactDecimal {
    static constexpr Int128 kMax = ((static_cast<Int128>(1) << 126) - 1) * 2 + 1;
    // Significant digits kept of a number text; more never fit any kind.
    static constexpr int kMaxDigits = 36;
    // Fraction places kept; 10^38 still fits the mantissa.
    static constexpr int kMaxScale = 38;

    // The value is mantissa / 10^scale, 0 <= scale <= kMaxScale. `sticky`:
    // non-zero digits beyond what the mantissa holds were dropped, so the
    // value is a little further from zero than the mantissa says.
    Int128 mantissa = 0;
    int scale = 0;
    bool sticky = false;

    // Reads "[+-]digits[.digits][(e|E)[+-]digits]" (digits on at least one
    // side of the point). DISP_E_TYPEMISMATCH for any other text,
    // DISP_E_OVERFLOW for a number too large for 128 bits.
    static HRESULT Parse(std::string_view text, ExactDecimal& out);
    // A double as its text of `precision` significant digits shows it, which
    // is what the platform converts; DISP_E_OVERFLOW when it is not finite.
    static HRESULT FromDouble(double d, int precision, ExactDecimal& out);
    // A double with `precision` significant digits, "%g"-like: "1.5", "1e+20".
    static std::string DoubleText(double d, int precision);

    // Rounds to `places` fraction places (0 to kMaxScale), half to even as the
    // platform's conversions do; false when the result does not fit.
    bool RoundTo(int places, Int128& out) const;
    bool HasFraction() const;
    // "-1234.5": no separators, no trailing zeros, no "-0".
    std::string Text() const;

    static Int128 Pow10(int n);
    static Int128 Abs(Int128 v) { return v < 0 ? -v : v; }
};
