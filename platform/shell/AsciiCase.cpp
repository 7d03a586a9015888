#include "platform/shell/AsciiCase.h"

int AsciiCase::Compare(std::u16string_view a, std::u16string_view b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        char16_t x = Lower(a[i]);
        char16_t y = Lower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool AsciiCase::Equal(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && Compare(a, b) == 0;
}

bool AsciiCase::StartsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && Compare(text.substr(0, prefix.size()), prefix) == 0;
}
