#pragma once
// The shared notebook reached directly with libpq, outside the program, for
// the scenario lines `sql` and `expect db`: the same work DatabaseConnection
// does on the device's file. Statements are read as the recordset component
// reads them (PgDialect: NULL sorts first, '' in an integer column is NULL),
// and SQLite's char() is PostgreSQL's chr(), so that one scenario runs on
// both engines.

#include <string>
#include <vector>

struct pg_conn;
typedef struct pg_conn PGconn;

class PgScriptDatabase {
public:
    PgScriptDatabase() = default;
    PgScriptDatabase(const PgScriptDatabase&) = delete;
    PgScriptDatabase& operator=(const PgScriptDatabase&) = delete;
    ~PgScriptDatabase();

    bool Open(const std::string& connection, std::string& error);
    // Runs the statements of one line; when one fails, none has changed anything.
    bool Execute(const std::string& statements, std::string& error);
    // The rows of one statement that only reads (it runs in a read-only
    // transaction), fields joined by bars: integers %d, reals %.2f, texts
    // as they are, null as NULL.
    bool Query(const std::string& statement, std::vector<std::string>& rows, std::string& error);

private:
    bool Translate(const std::string& statement, std::string& out, std::string& error);
    bool Run(const std::string& sql, std::string& error);

    PGconn* m_link = nullptr;
};
