#include "platform/recordset/SqlText.h"

#include "platform/com/RecordsetInterfaces.h"
#include "platform/shell/AsciiCase.h"

bool SqlText::IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool SqlText::OnlyBlankOrSemicolons(std::u16string_view tail) {
    for (char16_t c : tail) {
        if (!IsBlank(c) && c != u';') return false;
    }
    return true;
}

bool SqlText::OnlyBlankOrSemicolons(std::string_view tail) {
    for (char c : tail) {
        if (!IsBlank(static_cast<unsigned char>(c)) && c != ';') return false;
    }
    return true;
}

bool SqlText::IsWordChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || IsDigit(c) || c == u'_' || c > 0x7F;
}

std::vector<std::u16string> SqlText::Words(std::u16string_view sql) {
    std::vector<std::u16string> words;
    for (size_t i = 0; i < sql.size();) {
        char16_t c = sql[i];
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            char16_t close = c == u'[' ? u']' : c;
            size_t end = sql.find(close, i + 1);
            words.push_back(u"?");
            i = end == std::u16string_view::npos ? sql.size() : end + 1;
        } else if (IsWordChar(c)) {
            std::u16string word;
            for (; i < sql.size() && IsWordChar(sql[i]); ++i) word += AsciiCase::Lower(sql[i]);
            words.push_back(word);
        } else {
            if (!IsBlank(c)) words.push_back(std::u16string(1, c));
            ++i;
        }
    }
    return words;
}

bool SqlText::RefersByPosition(std::u16string_view sql) {
    std::vector<std::u16string> w = Words(sql);
    bool inList = false;
    for (size_t i = 0; i < w.size(); ++i) {
        if ((w[i] == u"order" || w[i] == u"group") && i + 1 < w.size() && w[i + 1] == u"by") {
            inList = true;
            ++i;
            if (i + 1 < w.size() && IsDigit(w[i + 1][0])) return true;
        } else if (inList && w[i] == u"," && i + 1 < w.size() && IsDigit(w[i + 1][0])) {
            return true;
        }
    }
    return false;
}

size_t SqlText::SelectListStart(std::u16string_view sql) {
    constexpr std::u16string_view kSelect = u"select";
    size_t first = 0;
    while (first < sql.size() && IsBlank(sql[first])) ++first;
    size_t after = first + kSelect.size();
    if (sql.size() <= after || !IsBlank(sql[after])) return std::u16string_view::npos;
    if (!AsciiCase::Equal(sql.substr(first, kSelect.size()), kSelect)) return std::u16string_view::npos;
    return after;
}

std::u16string SqlText::WithRowid(std::u16string_view sql, size_t listStart) {
    std::u16string text(sql.substr(0, listStart));
    text += u" _rowid_,";
    text += sql.substr(listStart);
    return text;
}

std::string SqlText::QuotedName(const std::string& name) {
    std::string out = "\"";
    for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

long SqlText::TypeCodeOfDeclared(const char* declared) {
    if (!declared) return adVarWChar;
    std::u16string folded;
    for (const char* c = declared; *c; ++c) folded += AsciiCase::Lower(static_cast<unsigned char>(*c));
    auto has = [&folded](std::u16string_view part) { return folded.find(part) != std::u16string::npos; };
    if (has(u"int")) return adInteger;
    if (has(u"real") || has(u"floa") || has(u"doub")) return adDouble;
    return adVarWChar;
}
