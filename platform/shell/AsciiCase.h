#pragma once
// Letter case as the device's string routines ignore it: only the ASCII
// letters A to Z fold to a to z. Korean has no case, and other scripts'
// letters (Ä, Σ) are compared as they are, so the order never depends on
// the host's locale.
//
// Comparison is by UTF-16 code unit after folding, the shorter text first
// when one is the start of the other; it is not a collation for people.

#include <string_view>

class AsciiCase {
public:
    static constexpr char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }
    // Negative, 0 or positive, as a sorts before, with or after b.
    static int Compare(std::u16string_view a, std::u16string_view b);
    static bool Equal(std::u16string_view a, std::u16string_view b);
    static bool StartsWith(std::u16string_view text, std::u16string_view prefix);
};
