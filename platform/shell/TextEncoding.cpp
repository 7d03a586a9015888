#include "platform/shell/TextEncoding.h"

namespace {

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c < 0xE000; }

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point at text[i], or U+FFFD for a surrogate that is not half of a
// pair; i ends on the last unit read.
char32_t CodePointAt(std::u16string_view text, size_t& i) {
    char32_t cp = text[i];
    if (IsHighSurrogate(cp) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        return 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    return IsHighSurrogate(cp) || IsLowSurrogate(cp) ? 0xFFFD : cp;
}

} // namespace

std::string TextEncoding::ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) AppendUtf8(out, CodePointAt(text, i));
    return out;
}

std::u16string TextEncoding::WithValidSurrogates(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) AppendUtf16(out, CodePointAt(text, i));
    return out;
}

int TextEncoding::ContinuationCount(unsigned char lead) {
    if (lead < 0x80) return 0;
    if ((lead >> 5) == 6) return 1;
    if ((lead >> 4) == 14) return 2;
    if ((lead >> 3) == 30) return 3;
    return -1;
}

std::u16string TextEncoding::FromUtf8(std::string_view utf8) {
    std::u16string out;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int extra = ContinuationCount(lead);
        bool ok = extra >= 0 && i + extra < utf8.size();
        char32_t cp = ok ? (extra == 0 ? lead : lead & (0x3F >> extra)) : 0;
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char cont = static_cast<unsigned char>(utf8[i + k]);
            ok = (cont & 0xC0) == 0x80;
            cp = (cp << 6) | (cont & 0x3F);
        }
        if (!ok) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        AppendUtf16(out, cp);
        i += extra + 1;
    }
    return out;
}

bool TextEncoding::IsUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        int extra = ContinuationCount(static_cast<unsigned char>(bytes[i]));
        if (extra < 0) return false;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= bytes.size() || (static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        }
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

void TextEncoding::AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}
