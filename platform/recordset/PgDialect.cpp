#include "platform/recordset/PgDialect.h"

#include <algorithm>

namespace {

bool IsWordByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// The end of a quoted part that starts at `start`; a doubled quote stays inside.
size_t QuotedEnd(std::string_view sql, size_t start) {
    char quote = sql[start];
    size_t i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == quote) {
            if (i + 1 < sql.size() && sql[i + 1] == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

using Token = PgDialect::Token;

bool IsWord(const Token& t, const char* word) { return t.kind == Token::Kind::Word && t.lower == word; }
bool IsSign(const Token& t, const char* sign) { return t.kind == Token::Kind::Sign && t.lower == sign; }

} // namespace

std::vector<PgDialect::Token> PgDialect::Tokens(std::string_view sql) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < sql.size()) {
        unsigned char c = static_cast<unsigned char>(sql[i]);
        if (IsBlankByte(sql[i])) {
            ++i;
        } else if (c == '\'' || c == '"') {
            size_t end = QuotedEnd(sql, i);
            tokens.push_back({c == '\'' ? Token::Kind::Text : Token::Kind::Name, i, end, std::string(sql.substr(i, end - i))});
            i = end;
        } else if (IsWordByte(c)) {
            size_t end = i;
            while (end < sql.size() && IsWordByte(static_cast<unsigned char>(sql[end]))) ++end;
            tokens.push_back({Token::Kind::Word, i, end, Lower(sql.substr(i, end - i))});
            i = end;
        } else {
            tokens.push_back({Token::Kind::Sign, i, i + 1, std::string(1, sql[i])});
            ++i;
        }
    }
    return tokens;
}

std::vector<std::string> PgDialect::Split(std::string_view sql) {
    std::vector<std::string> statements;
    size_t from = 0;
    auto keep = [&statements](std::string_view part) {
        if (part.find_first_not_of(" \t\r\n") != std::string_view::npos) statements.emplace_back(part);
    };
    for (const Token& token : Tokens(sql)) {
        if (!IsSign(token, ";")) continue;
        keep(sql.substr(from, token.start - from));
        from = token.end;
    }
    keep(sql.substr(from));
    return statements;
}

std::string PgDialect::WithoutComments(std::string_view sql) {
    std::string out;
    size_t i = 0;
    while (i < sql.size()) {
        size_t end = i + 1;
        bool comment = false;
        if (sql[i] == '\'' || sql[i] == '"') {
            end = QuotedEnd(sql, i);
        } else if (sql.substr(i, 2) == "--") {
            end = std::min(sql.find('\n', i), sql.size());
            comment = true;
        } else if (sql.substr(i, 2) == "/*") {
            size_t close = sql.find("*/", i + 2);
            end = close == std::string_view::npos ? sql.size() : close + 2;
            comment = true;
        }
        out += comment ? std::string(" ") : std::string(sql.substr(i, end - i));
        i = end;
    }
    return out;
}

std::string PgDialect::SpellingIn(std::string_view sql, const std::string& lowerName) {
    for (const Token& token : Tokens(sql)) {
        if (token.kind == Token::Kind::Word && token.lower == lowerName) return std::string(sql.substr(token.start, token.end - token.start));
    }
    return lowerName;
}

bool PgDialect::Translate(std::string_view sql, const ColumnsOf& columnsOf, std::string& out) {
    std::vector<Token> tokens = Tokens(sql);
    if (!tokens.empty() && IsWord(tokens[0], "insert")) return EmptyTextsAsNull(sql, columnsOf, out);
    std::string table = PlainTable(sql);
    TableColumns columns;
    bool ordered = std::any_of(tokens.begin(), tokens.end(), [](const Token& t) { return IsWord(t, "order"); });
    if (table.empty() || !ordered) {
        out = NullsLikeSqlite(sql);
        return true;
    }
    if (!columnsOf(table, columns)) return false;
    out = NullsLikeSqlite(sql, columns.key);
    return true;
}

std::string PgDialect::NullsLikeSqlite(std::string_view sql, const std::string& key) {
    std::vector<Token> tokens = Tokens(sql);
    std::vector<std::pair<size_t, std::string>> inserts;
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (IsSign(tokens[i], "(")) ++depth;
        if (IsSign(tokens[i], ")")) --depth;
        if (depth != 0 || !IsWord(tokens[i], "order") || i + 1 >= tokens.size() || !IsWord(tokens[i + 1], "by")) continue;
        // Each term of the list ends at a comma, a LIMIT or OFFSET, a semicolon or the end.
        size_t j = i + 2;
        int inner = 0;
        bool hasNulls = false;
        for (; j <= tokens.size(); ++j) {
            bool end = j == tokens.size();
            if (!end && IsSign(tokens[j], "(")) ++inner;
            if (!end && IsSign(tokens[j], ")")) --inner;
            bool termEnds = end || inner < 0 ||
                            (inner == 0 && (IsSign(tokens[j], ",") || IsSign(tokens[j], ";") ||
                                            IsWord(tokens[j], "limit") || IsWord(tokens[j], "offset")));
            if (!termEnds) {
                hasNulls = hasNulls || IsWord(tokens[j], "nulls");
                continue;
            }
            const Token& last = tokens[j - 1];
            std::string added = hasNulls ? "" : IsWord(last, "desc") ? " NULLS LAST" : " NULLS FIRST";
            hasNulls = false;
            bool lastTerm = end || !IsSign(tokens[j], ",");
            if (lastTerm && !key.empty()) added += ", " + key;
            if (!added.empty()) inserts.emplace_back(last.end, added);
            if (lastTerm) break;
        }
        i = j;
    }
    std::string out(sql);
    std::sort(inserts.begin(), inserts.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [at, text] : inserts) out.insert(at, text);
    return out;
}

bool PgDialect::EmptyTextsAsNull(std::string_view sql, const ColumnsOf& columnsOf, std::string& out) {
    out = std::string(sql);
    std::vector<Token> t = Tokens(sql);
    bool anyEmpty = std::any_of(t.begin(), t.end(), [](const Token& k) { return k.kind == Token::Kind::Text && k.lower == "''"; });
    if (!anyEmpty || t.size() < 4 || !IsWord(t[1], "into") || t[2].kind == Token::Kind::Sign) return true;
    std::string table = t[2].kind == Token::Kind::Name ? t[2].lower.substr(1, t[2].lower.size() - 2) : t[2].lower;
    size_t i = 3;
    std::vector<std::string> named;
    if (IsSign(t[i], "(")) {
        for (++i; i < t.size() && !IsSign(t[i], ")"); ++i) {
            if (!IsSign(t[i], ",")) named.push_back(t[i].kind == Token::Kind::Word ? t[i].lower : Lower(t[i].lower));
        }
        ++i;
    }
    if (i >= t.size() || !IsWord(t[i], "values")) return true;
    TableColumns columns;
    if (!columnsOf(table, columns)) return false;
    if (named.empty()) named = columns.names;
    auto isInteger = [&columns](const std::string& name) {
        for (size_t c = 0; c < columns.names.size(); ++c) {
            if (columns.names[c] == name) return static_cast<bool>(columns.integer[c]);
        }
        return false;
    };
    // Each value at the top of a row's brackets, by its place in the row.
    std::vector<std::pair<size_t, size_t>> nulls;
    int depth = 0;
    size_t place = 0;
    for (++i; i < t.size(); ++i) {
        if (IsSign(t[i], "(")) {
            if (depth++ == 0) place = 0;
            continue;
        }
        if (IsSign(t[i], ")")) { --depth; continue; }
        if (depth == 1 && IsSign(t[i], ",")) { ++place; continue; }
        bool alone = depth == 1 && (IsSign(t[i - 1], "(") || IsSign(t[i - 1], ",")) && i + 1 < t.size() &&
                     (IsSign(t[i + 1], ")") || IsSign(t[i + 1], ","));
        if (alone && t[i].kind == Token::Kind::Text && t[i].lower == "''" && place < named.size() && isInteger(named[place])) {
            nulls.emplace_back(t[i].start, t[i].end);
        }
    }
    for (auto it = nulls.rbegin(); it != nulls.rend(); ++it) out.replace(it->first, it->second - it->first, "NULL");
    return true;
}

std::string PgDialect::PlainTable(std::string_view sql) {
    std::vector<Token> t = Tokens(sql);
    if (t.empty() || !IsWord(t[0], "select")) return {};
    size_t from = 0;
    for (size_t i = 1; i < t.size(); ++i) {
        if (IsSign(t[i], "(") || IsWord(t[i], "distinct") || IsWord(t[i], "group") || IsWord(t[i], "union") ||
            IsWord(t[i], "join") || IsWord(t[i], "having") || IsWord(t[i], "intersect") || IsWord(t[i], "except")) {
            return {};
        }
        if (IsWord(t[i], "from")) {
            if (from) return {};
            from = i;
        }
    }
    if (!from || from + 1 >= t.size() || t[from + 1].kind != Token::Kind::Word) return {};
    size_t after = from + 2;
    if (after < t.size() && !IsWord(t[after], "where") && !IsWord(t[after], "order") && !IsSign(t[after], ";")) return {};
    return t[from + 1].lower;
}

std::string PgDialect::WithCtid(std::string_view sql) {
    std::vector<Token> t = Tokens(sql);
    std::string out(sql);
    out.insert(t[0].end, " ctid,");
    return out;
}
