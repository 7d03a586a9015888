#pragma once
// The TEXT of a scenario line. A text that starts with a double quote ends at
// the next unescaped double quote and may use \" \\ \t \n and \uXXXX; any
// other text is taken as it stands, without its trailing white space.

#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/CString.h"

class TextArgument {
public:
    // False, saying why in `error`, for a quoted text that is not well formed.
    static bool Decode(std::string_view rest, CString& text, std::string& error);
    // Splits at every bar outside a quoted text; the blanks around a bar go
    // with it. Each part is still to be decoded.
    static bool SplitAtBars(std::string_view rest, std::vector<std::string_view>& parts, std::string& error);
    static std::string_view TrimRight(std::string_view text);
    static std::string_view TrimBlanks(std::string_view text);

private:
    static bool DecodeQuoted(std::string_view rest, CString& text, std::string& error);
    static bool DecodeEscape(std::string_view rest, size_t& at, std::u16string& out, std::string& error);
    static bool DecodeCodeUnit(std::string_view digits, char16_t& unit);
};
