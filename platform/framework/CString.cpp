#include "platform/framework/CString.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/shell/TextEncoding.h"

namespace {

// One conversion of a format text, as read from "%-08.2hd".
struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    bool isShort = false;
    char type = 0;
};

// Widths and precisions are held below this, so that reading "%99999999999d"
// cannot overflow and printing it cannot ask for gigabytes.
constexpr int kLargestField = 4096;

int ReadField(const char16_t* format, size_t& pos) {
    int value = 0;
    while (format[pos] >= u'0' && format[pos] <= u'9') {
        value = std::min(value * 10 + (format[pos++] - u'0'), kLargestField);
    }
    return value;
}

// Reads the conversion after a '%' at format[pos]; pos ends after it.
Conversion ReadConversion(const char16_t* format, size_t& pos) {
    Conversion c;
    while (format[pos] == u'-' || format[pos] == u'0' || format[pos] == u'+' ||
           format[pos] == u' ' || format[pos] == u'#') {
        c.flags += static_cast<char>(format[pos++]);
    }
    if (format[pos] >= u'0' && format[pos] <= u'9') c.width = ReadField(format, pos);
    if (format[pos] == u'.') {
        ++pos;
        c.precision = ReadField(format, pos);
    }
    while (format[pos] == u'h' || format[pos] == u'l') {
        if (format[pos] == u'h') c.isShort = true;
        ++pos;
    }
    if (format[pos] != 0) c.type = static_cast<char>(format[pos++]);
    return c;
}

std::string NarrowFormat(const Conversion& c, const char* length, char type) {
    std::string narrow = "%" + c.flags;
    if (c.width >= 0) narrow += std::to_string(c.width);
    if (c.precision >= 0) narrow += "." + std::to_string(c.precision);
    return narrow + length + type;
}

std::u16string Widen(const char* ascii) {
    std::u16string out;
    for (; *ascii; ++ascii) out += static_cast<char16_t>(static_cast<unsigned char>(*ascii));
    return out;
}

// printf into a buffer as large as the text needs.
template <typename T>
std::u16string Printed(const std::string& narrowFormat, T value) {
    int length = std::snprintf(nullptr, 0, narrowFormat.c_str(), value);
    if (length < 0) return u"<?>";
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), narrowFormat.c_str(), value);
    return Widen(buffer.data());
}

// A real given to an integer conversion: cut toward zero, held at the
// limits, NaN as 0 (a plain cast of an out-of-range double is undefined).
long long IntegerOfReal(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9.2233720368547758e18) return LLONG_MAX;
    if (value <= -9.2233720368547758e18) return LLONG_MIN;
    return static_cast<long long>(value);
}

std::u16string FormatInteger(const Conversion& c, long long value) {
    char buffer[32];
    if ((c.type == 'd' || c.type == 'i') && c.flags.empty() && c.width < 0 && c.precision < 0 && !c.isShort) {
        // The common "%d": numbers fill whole list columns, so skip printf here.
        auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<int>(value)).ptr;
        return std::u16string(buffer, end);
    }
    if (c.type == 'd' || c.type == 'i') {
        long long v = c.isShort ? static_cast<short>(value) : static_cast<int>(value);
        return Printed(NarrowFormat(c, "ll", 'd'), v);
    }
    unsigned long long v = c.isShort ? static_cast<unsigned short>(value) : static_cast<unsigned int>(value);
    return Printed(NarrowFormat(c, "ll", c.type), v);
}

std::u16string FormatReal(const Conversion& c, double value) {
    return Printed(NarrowFormat(c, "", c.type), value);
}

std::u16string FormatText(const Conversion& c, std::u16string_view text) {
    if (c.precision >= 0 && text.size() > static_cast<size_t>(c.precision)) text = text.substr(0, c.precision);
    std::u16string out(text);
    if (c.width > static_cast<int>(out.size())) {
        std::u16string pad(c.width - out.size(), u' ');
        out = c.flags.find('-') != std::string::npos ? out + pad : pad + out;
    }
    return out;
}

std::u16string FormatOne(const Conversion& c, const FormatArg& arg) {
    using Kind = FormatArg::Kind;
    switch (c.type) {
    case 'd': case 'i': case 'u': case 'x': case 'X': case 'o':
        if (arg.kind == Kind::Integer) return FormatInteger(c, arg.integer);
        if (arg.kind == Kind::Real) return FormatInteger(c, IntegerOfReal(arg.real));
        break;
    case 'f': case 'e': case 'E': case 'g': case 'G':
        if (arg.kind == Kind::Real) return FormatReal(c, arg.real);
        if (arg.kind == Kind::Integer) return FormatReal(c, static_cast<double>(arg.integer));
        break;
    case 's':
        if (arg.kind == Kind::Text) return FormatText(c, arg.text);
        break;
    case 'c':
        if (arg.kind == Kind::Integer) {
            std::u16string one;
            const bool isCharacter = arg.integer >= 0 && arg.integer <= 0x10FFFF &&
                                     !(arg.integer >= 0xD800 && arg.integer < 0xE000);
            TextEncoding::AppendUtf16(one, isCharacter ? static_cast<char32_t>(arg.integer) : U'\uFFFD');
            return FormatText(c, one);
        }
        break;
    default:
        break;
    }
    return u"<?>";
}

} // namespace

CString CString::FromUtf8(std::string_view utf8) {
    return CString(TextEncoding::FromUtf8(utf8));
}

CString CString::WithValidSurrogates(const CString& text) {
    return CString(TextEncoding::WithValidSurrogates(text.m_text));
}

std::string CString::ToUtf8() const {
    return TextEncoding::ToUtf8(m_text);
}

CString CString::Left(int count) const {
    if (count <= 0) return CString();
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    if (static_cast<size_t>(count) >= m_text.size()) return *this;
    return CString(m_text.substr(m_text.size() - count));
}

CString CString::Mid(int first) const {
    if (first < 0) first = 0;
    if (static_cast<size_t>(first) >= m_text.size()) return CString();
    return CString(m_text.substr(first));
}

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count <= 0 || static_cast<size_t>(first) >= m_text.size()) return CString();
    return CString(m_text.substr(first, count));
}

int CString::Find(char16_t ch, int start) const {
    if (start < 0) start = 0;
    size_t at = m_text.find(ch, start);
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(std::u16string_view sub, int start) const {
    if (start < 0) start = 0;
    size_t at = m_text.find(sub, start);
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

bool CString::IsWhiteSpace(char16_t ch) {
    return ch == u' ' || (ch >= u'\t' && ch <= u'\r') || ch == u'\u3000';
}

CString& CString::TrimLeft() {
    size_t first = 0;
    while (first < m_text.size() && IsWhiteSpace(m_text[first])) ++first;
    m_text.erase(0, first);
    return *this;
}

CString& CString::TrimRight() {
    size_t end = m_text.size();
    while (end > 0 && IsWhiteSpace(m_text[end - 1])) --end;
    m_text.erase(end);
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

std::u16string CString::FormatList(const char16_t* format, const FormatArg* args, size_t count) {
    std::u16string out;
    size_t next = 0;
    for (size_t pos = 0; format && format[pos];) {
        if (format[pos] != u'%') {
            out += format[pos++];
            continue;
        }
        ++pos;
        if (format[pos] == u'%') {
            out += u'%';
            ++pos;
            continue;
        }
        Conversion c = ReadConversion(format, pos);
        out += next < count ? FormatOne(c, args[next]) : u"<?>";
        ++next;
    }
    return out;
}

int _ttoi(const CString& text) {
    const std::u16string& s = text.str();
    size_t i = 0;
    while (i < s.size() && CString::IsWhiteSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    long long value = 0;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
        value = value * 10 + (s[i] - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
