#pragma once
// What the recordset component reads in a statement's text before SQLite
// does: whether it is a SELECT, where its select list starts, whether ORDER
// BY or GROUP BY names a column by its number, what may follow the one
// statement, and the kind a column's declared type gives. Also the quoting
// of a name for the UPDATE that writes a row back.
//
// It is not a parser: it splits words and signs outside quotes and brackets,
// and only as far as those questions need. Letter case is folded by the
// ASCII rule alone, whatever the host's locale. SQLite itself decides what
// a statement means and whether it is valid.

#include <string>
#include <string_view>
#include <vector>

class SqlText {
public:
    // A blank between words: space, tab, carriage return, line feed.
    static bool IsBlank(char16_t c);
    // Whether what follows a statement holds nothing but blanks and semicolons.
    static bool OnlyBlankOrSemicolons(std::u16string_view tail);
    // The same for the UTF-8 text that SQLite reads.
    static bool OnlyBlankOrSemicolons(std::string_view tail);
    // The words (lower case) and signs of a statement; a quoted text or name,
    // '...', "...", `...` or [...], is the one word "?".
    static std::vector<std::u16string> Words(std::u16string_view sql);
    // Whether an ORDER BY or GROUP BY term is a column number ("order by 2"),
    // which a rowid put at the head of the select list would shift.
    static bool RefersByPosition(std::u16string_view sql);
    // Where the select list begins (just after the word SELECT and before the
    // blank that must follow it), or npos when the text is no SELECT.
    static size_t SelectListStart(std::u16string_view sql);
    // The SELECT with the rowid put at the head of its select list.
    static std::u16string WithRowid(std::u16string_view sql, size_t listStart);
    // A name between double quotes, any double quote in it doubled.
    static std::string QuotedName(const std::string& name);
    // The data type code (adInteger, adDouble, adVarWChar) of a column by its
    // declared type, as SQLite gives the declared type's affinity; null (an
    // expression) is a text.
    static long TypeCodeOfDeclared(const char* declared);

private:
    static bool IsWordChar(char16_t c);
    static bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
};
