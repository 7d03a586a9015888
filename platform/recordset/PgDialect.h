#pragma once
// What the recordset component changes in a statement before PostgreSQL
// reads it, so that the statements written for the device's SQLite file mean
// the same on a shared notebook:
//
// - ORDER BY sorts a NULL below every value, as SQLite does: PostgreSQL puts
//   NULL first in a descending order, so "order by MgrNo DESC" would read an
//   unpaid row's empty trip number first and every new trip would be 1.
// - An empty text '' given to an integer column in an INSERT's values is
//   NULL, as the SQLite layout's triggers store it: the plan writes '' into
//   MgrNo (no trip yet), which PostgreSQL's strict integer would refuse.
// - Rows equal in every ORDER BY term come in the order of the table's
//   integer key, as SQLite gives them (by rowid, which the key is): the
//   plan lists items by name, and a tap on one of two equal names must pick
//   the same row on both engines.
// - Whether a SELECT reads one table plainly, so that its rows can be
//   written back by their ctid.
//
// It is not a parser: it splits words, quoted texts and signs, and looks at
// the top level only (outside brackets).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class PgDialect {
public:
    struct Token {
        enum class Kind { Word, Text, Name, Sign } kind;
        size_t start;
        size_t end;
        std::string lower;  // a word in lower case; a sign itself
    };
    static std::vector<Token> Tokens(std::string_view sql);

    // Whether a column of the table is an integer column, by name (lower
    // case); the column names in table order when the INSERT names none.
    struct TableColumns {
        std::vector<std::string> names;
        std::vector<bool> integer;
        std::string key;  // the one-column primary key, or empty
    };
    using ColumnsOf = std::function<bool(const std::string& table, TableColumns& columns)>;

    // The statements of a text, split at the semicolons outside quotes;
    // blank ones left out.
    static std::vector<std::string> Split(std::string_view sql);
    // The text with each comment (-- to the line's end, /* to */) outside
    // quotes made one blank.
    static std::string WithoutComments(std::string_view sql);
    // How a name the server gives in lower case (it folds names not quoted)
    // is spelled in the statement; the name itself when no word spells it.
    static std::string SpellingIn(std::string_view sql, const std::string& lowerName);

    // The statement for PostgreSQL. False when the columns of an INSERT's
    // table cannot be read (the reason is the caller's).
    static bool Translate(std::string_view sql, const ColumnsOf& columnsOf, std::string& out);
    // `key`, when given, is put after the last ORDER BY term.
    static std::string NullsLikeSqlite(std::string_view sql, const std::string& key = {});
    // The table of a SELECT that reads exactly one table with no DISTINCT,
    // GROUP BY, UNION or join; empty otherwise.
    static std::string PlainTable(std::string_view sql);
    // The SELECT with ctid put at the head of its select list.
    static std::string WithCtid(std::string_view sql);

private:
    static bool EmptyTextsAsNull(std::string_view sql, const ColumnsOf& columnsOf, std::string& out);
};
