#pragma once
// The platform's texts are UTF-16; UTF-8 is met only at the edges: file
// names, files, the terminal, the scenario scripts. These are the only
// encoders and decoders between the two.
//
// Neither direction fails: what cannot be encoded (a surrogate that is not
// half of a pair) or decoded (bytes that are not UTF-8) becomes U+FFFD, so a
// damaged text stays visibly damaged rather than cut short. No normalisation,
// no byte order marks, no other encodings.

#include <string>
#include <string_view>

class TextEncoding {
public:
    static std::string ToUtf8(std::u16string_view text);
    // Each byte that does not begin a whole UTF-8 sequence becomes one U+FFFD.
    static std::u16string FromUtf8(std::string_view utf8);
    // Whether FromUtf8 would read the bytes without a replacement.
    static bool IsUtf8(std::string_view bytes);
    // The text with every surrogate that is not half of a pair replaced by
    // U+FFFD, as ToUtf8 reads it.
    static std::u16string WithValidSurrogates(std::u16string_view text);
    // One code point (at most U+10FFFF, not a surrogate) as one or two units.
    static void AppendUtf16(std::u16string& out, char32_t codePoint);

private:
    // How many continuation bytes follow a lead byte; -1 when it is none.
    static int ContinuationCount(unsigned char lead);
};
