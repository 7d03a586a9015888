#include "desk/Database.h"

#include <sqlite3.h>

#include "desk/DeskFailure.h"

namespace {

int OpenFlags(Database::Mode mode) {
    switch (mode) {
    case Database::Mode::ReadOnly: return SQLITE_OPEN_READONLY;
    case Database::Mode::ReadWrite: return SQLITE_OPEN_READWRITE;
    case Database::Mode::Create: break;
    }
    return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

} // namespace

Database::Database(const std::filesystem::path& file, Mode mode) : m_file(file) {
    int rc = sqlite3_open_v2(file.c_str(), &m_db, OpenFlags(mode), nullptr);
    if (rc != SQLITE_OK) {
        std::string why = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DeskFailure(file.string() + ": 열 수 없습니다 (" + why + ")");
    }
    // The program may be writing the notebook meanwhile: wait for it a while
    // rather than fail at once.
    sqlite3_busy_timeout(m_db, 5000);
}

Database::~Database() {
    sqlite3_close_v2(m_db);
}

DeskFailure Database::Failure(const std::string& what) const {
    bool notDatabase = sqlite3_errcode(m_db) == SQLITE_NOTADB;
    std::string why = notDatabase ? std::string("데이터베이스 파일이 아닙니다") : what + " (" + sqlite3_errmsg(m_db) + ")";
    return DeskFailure(m_file.string() + ": " + why);
}

void Database::Execute(const std::string& sql) {
    char* message = nullptr;
    int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK) throw Failure("읽거나 쓸 수 없습니다");
}

void Database::Undo() {
    if (!sqlite3_get_autocommit(m_db)) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::Query(const std::string& sql, const std::vector<const std::string*>& parameters,
                     const std::function<void(sqlite3_stmt*)>& row) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        throw Failure("읽을 수 없습니다");
    }
    for (size_t i = 0; i < parameters.size(); ++i) {
        int index = static_cast<int>(i) + 1;
        if (!parameters[i]) sqlite3_bind_null(statement, index);
        else sqlite3_bind_text(statement, index, parameters[i]->data(), static_cast<int>(parameters[i]->size()), SQLITE_TRANSIENT);
    }
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        try {
            row(statement);
        } catch (...) {
            sqlite3_finalize(statement);
            throw;
        }
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) throw Failure("읽거나 쓸 수 없습니다");
}

long long Database::Number(const std::string& sql) {
    long long value = 0;
    Query(sql, [&](sqlite3_stmt* s) { value = sqlite3_column_int64(s, 0); });
    return value;
}

std::string Database::Text(const std::string& sql) {
    std::string value;
    Query(sql, [&](sqlite3_stmt* s) { value = ColumnText(s, 0); });
    return value;
}

std::string Database::ColumnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    if (!text) return "";
    return std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(statement, column)));
}
