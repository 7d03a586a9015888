#pragma once
// A shared notebook on PostgreSQL for the jobs of the desk: its own libpq
// connection, closed with the object. Reading runs in one read-only
// snapshot (REPEATABLE READ), so an export is the notebook at one moment
// while the household goes on writing; writing takes the notebook's lock, as
// a payment does, so no program writes between an import's look and its
// commit.
//
// The connection text may hold a password: no message ever shows it, and
// Shown() gives what a person may read of it.

#include <string>

#include "desk/NotebookRows.h"

struct pg_conn;
typedef struct pg_conn PGconn;
struct pg_result;
typedef struct pg_result PGresult;

class SharedNotebook : public NotebookRows {
public:
    explicit SharedNotebook(const std::string& connection);
    ~SharedNotebook() override;
    SharedNotebook(const SharedNotebook&) = delete;
    SharedNotebook& operator=(const SharedNotebook&) = delete;

    // The connection without its password: a URL's user:password@ loses the
    // password, and a password=... word or parameter goes whole.
    static std::string Shown(const std::string& connection);

    std::string Where() const override { return m_shown; }
    void BeginReading() override;
    void EndReading() override;
    void EachRow(const DatabaseLayout::Table& table, const std::function<void(const Row&)>& onRow) override;
    void BeginWriting() override;
    long long Count(const DatabaseLayout::Table& table) override;
    void Empty(const DatabaseLayout::Table& table) override;
    bool Insert(const DatabaseLayout::Table& table, const Row& row, std::string& why) override;
    void Commit() override;
    void Undo() override;

private:
    // The result of a statement that must succeed; the caller PQclears it.
    PGresult* Run(const std::string& sql, const std::string& what);
    void Execute(const std::string& sql, const std::string& what);
    // The one-column integer key of a table, which the device's SQLite file
    // keeps its rows in; empty when it has none.
    std::string KeyOf(const DatabaseLayout::Table& table);
    std::string Message() const;

    PGconn* m_link = nullptr;
    std::string m_shown;
};
