#pragma once
// The code page of Korean Windows (CP949, Unified Hangul Code), to and from
// UTF-8, through the C library's converter.

#include <optional>
#include <string>
#include <string_view>

class Cp949 {
public:
    struct Unwritable {
        size_t offset = 0;     // in the UTF-8 text
        std::string character;  // its UTF-8 bytes
        char32_t codePoint = 0;
    };

    // The text in CP949, or the first character CP949 lacks (or a byte that
    // is no UTF-8, as the character).
    static std::string Encode(std::string_view utf8, std::optional<Unwritable>& lacking);
    // The UTF-8 of CP949 bytes; nothing when they are not CP949.
    static std::optional<std::string> Decode(std::string_view cp949);
};
