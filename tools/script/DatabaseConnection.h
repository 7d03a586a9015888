#pragma once
// The device's database file, reached directly with SQLite, outside the
// program: to prepare data and to look at what the program stored.

#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class DatabaseConnection {
public:
    DatabaseConnection() = default;
    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;
    ~DatabaseConnection();

    // Opens a file that exists; never creates one.
    bool Open(const std::filesystem::path& file, bool readOnly, std::string& error);
    // Runs the statements; when one fails, none of them has changed anything.
    bool Execute(const std::string& statements, std::string& error);
    // The rows of one statement that only reads, each with its fields joined
    // by bars: integers as %d, reals as %.2f, texts as they are, null as NULL.
    bool Query(const std::string& statement, std::vector<std::string>& rows, std::string& error);

private:
    bool Prepare(const std::string& statement, sqlite3_stmt*& prepared, std::string& error);
    static std::string Row(sqlite3_stmt* prepared);
    static std::string Field(sqlite3_stmt* prepared, int column);
    std::string LastError() const;

    sqlite3* m_db = nullptr;
};
