#include "tools/script/DatabaseConnection.h"

#include <sqlite3.h>

#include <cstdio>

#include "tools/script/TextArgument.h"

DatabaseConnection::~DatabaseConnection() {
    if (m_db) sqlite3_close(m_db);
}

bool DatabaseConnection::Open(const std::filesystem::path& file, bool readOnly, std::string& error) {
    int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(file.string().c_str(), &m_db, flags, nullptr) == SQLITE_OK) return true;
    error = LastError();
    sqlite3_close(m_db);
    m_db = nullptr;
    return false;
}

bool DatabaseConnection::Execute(const std::string& statements, std::string& error) {
    // A savepoint, unlike BEGIN, also works when the statements open a
    // transaction of their own, which they then may not.
    sqlite3_exec(m_db, "SAVEPOINT scenario", nullptr, nullptr, nullptr);
    if (sqlite3_exec(m_db, statements.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK &&
        sqlite3_exec(m_db, "RELEASE scenario", nullptr, nullptr, nullptr) == SQLITE_OK) {
        return true;
    }
    error = LastError();
    if (!sqlite3_get_autocommit(m_db) && error.find("within a transaction") != std::string::npos) {
        error += " (the statements of one line already run as one transaction)";
    }
    sqlite3_exec(m_db, "ROLLBACK TO scenario", nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, "RELEASE scenario", nullptr, nullptr, nullptr);
    return false;
}

bool DatabaseConnection::Query(const std::string& statement, std::vector<std::string>& rows, std::string& error) {
    sqlite3_stmt* prepared = nullptr;
    if (!Prepare(statement, prepared, error)) return false;
    rows.clear();
    int status;
    while ((status = sqlite3_step(prepared)) == SQLITE_ROW) rows.push_back(Row(prepared));
    if (status != SQLITE_DONE) error = LastError();
    sqlite3_finalize(prepared);
    return status == SQLITE_DONE;
}

bool DatabaseConnection::Prepare(const std::string& statement, sqlite3_stmt*& prepared, std::string& error) {
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, statement.c_str(), -1, &prepared, &tail) != SQLITE_OK) {
        error = LastError();
        return false;
    }
    if (!prepared) error = "the statement is empty";
    else if (!TextArgument::TrimRight(tail).empty())
        error = "expected one statement, found a second one: " + std::string(tail);
    else if (!sqlite3_stmt_readonly(prepared)) error = "expected a statement that only reads, found one that writes";
    else return true;
    sqlite3_finalize(prepared);
    prepared = nullptr;
    return false;
}

std::string DatabaseConnection::Row(sqlite3_stmt* prepared) {
    std::string row;
    for (int column = 0; column < sqlite3_column_count(prepared); ++column) {
        if (column) row += '|';
        row += Field(prepared, column);
    }
    return row;
}

std::string DatabaseConnection::Field(sqlite3_stmt* prepared, int column) {
    switch (sqlite3_column_type(prepared, column)) {
    case SQLITE_NULL: return "NULL";
    case SQLITE_INTEGER: return std::to_string(sqlite3_column_int64(prepared, column));
    case SQLITE_FLOAT: {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", sqlite3_column_double(prepared, column));
        return text;
    }
    default: {
        const unsigned char* text = sqlite3_column_text(prepared, column);
        return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
    }
    }
}

std::string DatabaseConnection::LastError() const {
    return m_db ? sqlite3_errmsg(m_db) : "out of memory";
}
