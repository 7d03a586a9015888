#include "tools/script/ArgumentCursor.h"

std::string_view ArgumentCursor::NextWord() {
    size_t blank = m_rest.find(' ');
    std::string_view word = m_rest.substr(0, blank);
    m_rest = blank == std::string_view::npos ? std::string_view() : m_rest.substr(blank + 1);
    return word;
}
