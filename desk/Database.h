#pragma once
// One SQLite connection for the jobs of the desk, closed with the object.
// Every statement that fails throws DeskFailure naming the file: a failed
// query is never taken for "no rows".

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "desk/DeskFailure.h"

struct sqlite3;
struct sqlite3_stmt;

class Database {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    Database(const std::filesystem::path& file, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs statements that return nothing to read.
    void Execute(const std::string& sql);
    // Rolls back the transaction open, if any; for a job that failed.
    void Undo();
    // Runs one statement with its text parameters bound in order (a null
    // pointer binds NULL) and hands each row to `row`.
    void Query(const std::string& sql, const std::vector<const std::string*>& parameters,
               const std::function<void(sqlite3_stmt*)>& row);
    void Query(const std::string& sql, const std::function<void(sqlite3_stmt*)>& row) { Query(sql, {}, row); }
    // The first column of the first row as a whole number (0 for NULL).
    long long Number(const std::string& sql);
    // The first column of the first row as text ("" for NULL).
    std::string Text(const std::string& sql);

    sqlite3* Handle() const { return m_db; }
    const std::filesystem::path& File() const { return m_file; }
    // The failure of the last call on this connection, for the person.
    DeskFailure Failure(const std::string& what) const;

    // A column's text, its bytes as stored (zeros included).
    static std::string ColumnText(sqlite3_stmt* statement, int column);

private:
    std::filesystem::path m_file;
    sqlite3* m_db = nullptr;
};
