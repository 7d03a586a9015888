#pragma once
// The notebook's tables and columns as the first installation makes them,
// and whether an open database is one the program can use: SQLite's quick
// check finds no damaged page, and every table of the installed layout is
// there with every one of its columns. The layout is read from the
// statements of the first installation themselves, made in memory, so that
// nothing else (the backups' check, the export, the other engine's
// installation) keeps a list of its own that could disagree.

#include <string>
#include <vector>

struct sqlite3;

class DatabaseLayout {
public:
    struct Column {
        std::string name;
        bool whole = false;  // a whole-number column; else text
    };
    struct Table {
        std::string name;
        std::vector<Column> columns;
    };

    // The installed layout, in the order the tables and columns are made.
    static const std::vector<Table>& Installed();

    // Empty when the database can be used, else why not, in Korean, for
    // the person (SQLite's own words in brackets).
    static std::string Problem(sqlite3* db);

private:
    static std::string Damage(sqlite3* db);
    static std::string MissingParts(sqlite3* db);
};
