#include "tools/script/TextArgument.h"

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Appends UTF-8 bytes, read as characters, to a UTF-16 text.
void AppendUtf8(std::u16string& out, std::string_view utf8) {
    if (!utf8.empty()) out += CString::FromUtf8(utf8).str();
}

} // namespace

std::string_view TextArgument::TrimRight(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view TextArgument::TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool TextArgument::Decode(std::string_view rest, CString& text, std::string& error) {
    if (!rest.empty() && rest.front() == '"') return DecodeQuoted(rest, text, error);
    text = CString::FromUtf8(TrimRight(rest));
    return true;
}

bool TextArgument::DecodeQuoted(std::string_view rest, CString& text, std::string& error) {
    std::u16string out;
    size_t runStart = 1;
    for (size_t at = 1; at < rest.size(); ++at) {
        if (rest[at] == '"') {
            AppendUtf8(out, rest.substr(runStart, at - runStart));
            if (!TrimRight(rest.substr(at + 1)).empty()) {
                error = "the text goes on after its closing quote";
                return false;
            }
            text = CString(std::move(out));
            return true;
        }
        if (rest[at] != '\\') continue;
        AppendUtf8(out, rest.substr(runStart, at - runStart));
        if (!DecodeEscape(rest, at, out, error)) return false;
        runStart = at + 1;
    }
    error = "the quoted text has no closing quote";
    return false;
}

// `at` stands on the backslash; it is left on the escape's last character.
bool TextArgument::DecodeEscape(std::string_view rest, size_t& at, std::u16string& out, std::string& error) {
    char what = at + 1 < rest.size() ? rest[at + 1] : '\0';
    switch (what) {
    case '"': out += u'"'; break;
    case '\\': out += u'\\'; break;
    case 't': out += u'\t'; break;
    case 'n': out += u'\n'; break;
    case 'u': {
        char16_t unit = 0;
        if (!DecodeCodeUnit(rest.substr(at + 2, 4), unit)) {
            error = "\\u takes four hexadecimal digits";
            return false;
        }
        out += unit;
        at += 4;
        break;
    }
    default:
        error = what ? std::string("unknown escape \\") + what + " (known: \\\" \\\\ \\t \\n \\uXXXX)"
                     : "the quoted text has no closing quote";
        return false;
    }
    at += 1;
    return true;
}

bool TextArgument::DecodeCodeUnit(std::string_view digits, char16_t& unit) {
    if (digits.size() != 4) return false;
    unsigned value = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    unit = static_cast<char16_t>(value);
    return true;
}

bool TextArgument::SplitAtBars(std::string_view rest, std::vector<std::string_view>& parts, std::string& error) {
    parts.clear();
    bool quoted = false;
    size_t start = 0;
    for (size_t at = 0; at < rest.size(); ++at) {
        char c = rest[at];
        if (quoted) {
            if (c == '\\') ++at;
            else if (c == '"') quoted = false;
        } else if (c == '"' && TrimBlanks(rest.substr(start, at - start)).empty()) {
            // Only a part that starts with a quote is a quoted text.
            quoted = true;
        } else if (c == '|') {
            parts.push_back(TrimBlanks(rest.substr(start, at - start)));
            start = at + 1;
        }
    }
    if (quoted) {
        error = "the quoted text has no closing quote";
        return false;
    }
    parts.push_back(TrimBlanks(rest.substr(start)));
    return true;
}
