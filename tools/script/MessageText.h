#pragma once
// Texts in messages and the transcript, written the way a scenario quotes
// them, so that what was found can be copied into the script.

#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/CString.h"

class MessageText {
public:
    static std::string Quote(const CString& text);
    static std::string Quote(std::string_view utf8);
    // "1 row", "3 rows".
    static std::string Count(int count, const char* one, const char* many);
    // "no rows" or `rows "a", "b"`.
    static std::string List(const std::vector<std::string>& items, const char* none, const char* some);
};
