#pragma once
// First installation on a shared PostgreSQL notebook: the five tables, in the
// layout of the device's file (the same columns, integers and texts; texts
// in byte order, collation "C", as SQLite compares them) and its indexes, in
// an empty database. A database that holds all five tables in that layout is
// left as it is; one that holds some of them, or any in another layout, is
// refused and left as it is.

#include <string>

#include "tools/install/FirstInstallation.h"

struct pg_conn;
typedef struct pg_conn PGconn;

class PostgresInstallation {
public:
    // `connection`: a libpq connection text; it is never put in a message.
    static FirstInstallation::Result Install(const std::string& connection);
    // Empty when the notebook holds the five tables in the layout, else why
    // not, in Korean, for the person.
    static std::string Problem(PGconn* link);
    static const char* SchemaSql();
    // Takes the notebook for writing until the transaction ends: the one lock
    // every program that writes it waits for.
    static const char* TakeNotebookSql();

private:
    enum class Found { None, Installed, Other };
    static Found Look(PGconn* link, std::string& why);
};
