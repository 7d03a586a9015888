#pragma once
// Whether an open database is one the program can use: SQLite's quick check
// finds no damaged page, and every table of the installed layout is there
// with every one of its columns. The layout is read from the statements of
// the first installation themselves, made in memory, so the two never
// disagree.

#include <string>

struct sqlite3;

class DatabaseLayout {
public:
    // Empty when the database can be used, else why not, in Korean, for
    // the person (SQLite's own words in brackets).
    static std::string Problem(sqlite3* db);

private:
    static std::string Damage(sqlite3* db);
    static std::string MissingParts(sqlite3* db);
};
