#pragma once
// Walks the arguments of one scenario line. Arguments are separated by single
// blanks, and a TEXT is whatever follows the blank after the last word.

#include <string_view>

class ArgumentCursor {
public:
    explicit ArgumentCursor(std::string_view line) : m_rest(line) {}

    bool AtEnd() const { return m_rest.empty(); }
    // The next word; the one blank after it goes with it.
    std::string_view NextWord();
    // Everything not read yet.
    std::string_view Rest() const { return m_rest; }
    // Whether the line still holds a blank where a word should start.
    bool AtBlank() const { return !m_rest.empty() && m_rest.front() == ' '; }

private:
    std::string_view m_rest;
};
