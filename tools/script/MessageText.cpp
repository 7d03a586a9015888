#include "tools/script/MessageText.h"

#include <cstdio>

std::string MessageText::Quote(const CString& text) {
    std::u16string out = u"\"";
    for (char16_t c : text.str()) {
        switch (c) {
        case u'"': out += u"\\\""; break;
        case u'\\': out += u"\\\\"; break;
        case u'\t': out += u"\\t"; break;
        case u'\n': out += u"\\n"; break;
        default:
            if (c >= 0x20) {
                out += c;
            } else {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
                out += CString::FromUtf8(code).str();
            }
        }
    }
    out += u'"';
    return CString(std::move(out)).ToUtf8();
}

std::string MessageText::Quote(std::string_view utf8) {
    return Quote(CString::FromUtf8(utf8));
}

std::string MessageText::Count(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string MessageText::List(const std::vector<std::string>& items, const char* none, const char* some) {
    if (items.empty()) return none;
    std::string out = some;
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : " ") + Quote(items[i]);
    return out;
}
