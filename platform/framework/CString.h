#pragma once
// The framework's text: a UTF-16 string with printf-style formatting.
// UTF-8 appears only at the edges (files, terminal), through FromUtf8/ToUtf8.

#include <compare>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/framework/Types.h"

class CString;

// One argument of Format, taken by kind so that a wrong count or kind of
// argument shows as a visible mark in the text instead of undefined behaviour.
struct FormatArg {
    enum class Kind { Integer, Real, Text };
    Kind kind;
    long long integer = 0;
    double real = 0;
    std::u16string_view text;

    template <typename T>
        requires std::is_integral_v<T> || std::is_enum_v<T>
    FormatArg(T value) : kind(Kind::Integer), integer(static_cast<long long>(value)) {}
    template <typename T>
        requires std::is_floating_point_v<T>
    FormatArg(T value) : kind(Kind::Real), real(value) {}
    FormatArg(const char16_t* value) : kind(Kind::Text), text(value ? value : u"") {}
    FormatArg(std::u16string_view value) : kind(Kind::Text), text(value) {}
    FormatArg(const std::u16string& value) : kind(Kind::Text), text(value) {}
    FormatArg(const CString& value);
};

class CString {
public:
    CString() = default;
    CString(const char16_t* text) : m_text(text ? text : u"") {}
    CString(std::u16string_view text) : m_text(text) {}
    CString(std::u16string text) : m_text(std::move(text)) {}
    CString(char16_t ch, int repeat = 1) : m_text(repeat > 0 ? repeat : 0, ch) {}

    static CString FromUtf8(std::string_view utf8);
    // The text with every surrogate that is not half of a pair replaced by
    // U+FFFD.
    static CString WithValidSurrogates(const CString& text);
    std::string ToUtf8() const;

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char16_t GetAt(int index) const { return m_text.at(index); }
    char16_t operator[](int index) const { return m_text.at(index); }
    operator const char16_t*() const { return m_text.c_str(); }
    const std::u16string& str() const { return m_text; }

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    int Find(char16_t ch, int start = 0) const;
    int Find(std::u16string_view sub, int start = 0) const;
    int Compare(const CString& other) const { return m_text.compare(other.m_text); }

    // Removes leading and trailing white space (blanks, tabs, line breaks and the
    // ideographic space); returns itself.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    static bool IsWhiteSpace(char16_t ch);

    // printf-style formatting: %d %i %u %hd %x %X %c %s %f with flags, width and
    // precision ("%.4d", "%.2f", "0x%02hX"), and %% for a percent sign.
    template <typename... Args>
    void Format(const char16_t* format, Args&&... args) {
        const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
        m_text = FormatList(format, list, sizeof...(Args));
    }
    template <typename... Args>
    void AppendFormat(const char16_t* format, Args&&... args) {
        const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
        m_text += FormatList(format, list, sizeof...(Args));
    }
    template <typename... Args>
    static CString Formatted(const char16_t* format, Args&&... args) {
        CString text;
        text.Format(format, std::forward<Args>(args)...);
        return text;
    }

    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char16_t* other) { m_text += other; return *this; }
    CString& operator+=(char16_t ch) { m_text += ch; return *this; }
    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend CString operator+(CString a, const char16_t* b) { a += b; return a; }
    friend CString operator+(const char16_t* a, const CString& b) { return CString(a) += b; }
    friend CString operator+(CString a, char16_t b) { a += b; return a; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char16_t* b) { return a.m_text == (b ? b : u""); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
        return a.m_text <=> b.m_text;
    }

private:
    static std::u16string FormatList(const char16_t* format, const FormatArg* args, size_t count);

    std::u16string m_text;
};

inline FormatArg::FormatArg(const CString& value) : kind(Kind::Text), text(value.str()) {}

// The program's one rule for reading a number from a text: optional leading
// white space and sign, then the leading digits; no digits gives 0. The value
// is clamped to the 32-bit signed range.
int _ttoi(const CString& text);
