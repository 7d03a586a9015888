#include "tools/install/StartupDatabase.h"

#include <sqlite3.h>

#include <cstdio>
#include <set>
#include <vector>

#include "platform/framework/CWinApp.h"
#include "tools/install/FirstInstallation.h"

namespace {

const char* const kTables[] = {"Category_tbl", "ProdName_tbl", "Unit_tbl", "ShpStore_tbl", "ShoppingList_tbl"};

std::string Unusable(const std::filesystem::path& file, const std::string& why) {
    return "데이터베이스 파일을 사용할 수 없습니다.\n" + file.string() + "\n" + why;
}

// The tables of an open database, or the reason they cannot be read.
bool ReadTables(sqlite3* db, std::set<std::string>& tables, std::string& why) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            tables.insert(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
    }
    int code = sqlite3_extended_errcode(db);
    sqlite3_finalize(statement);
    if (rc == SQLITE_DONE) return true;
    why = (code == SQLITE_NOTADB ? "데이터베이스 파일이 아닙니다" : "읽을 수 없습니다") + std::string(" (") +
          sqlite3_errmsg(db) + ")";
    return false;
}

std::string Check(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    // Never created here: a file that went away since is a problem too.
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::string why = std::string("열 수 없습니다 (") + (db ? sqlite3_errmsg(db) : "out of memory") + ")";
        sqlite3_close(db);
        return Unusable(file, why);
    }
    std::set<std::string> tables;
    std::string why;
    if (ReadTables(db, tables, why)) {
        std::string missing;
        for (const char* table : kTables) {
            if (!tables.count(table)) missing += (missing.empty() ? "" : ", ") + std::string(table);
        }
        if (!missing.empty()) why = "테이블이 없습니다: " + missing;
        else if (sqlite3_db_readonly(db, "main") == 1) why = "읽기 전용이라 저장할 수 없습니다";
    }
    sqlite3_close(db);
    return why.empty() ? "" : Unusable(file, why);
}

} // namespace

std::string StartupDatabase::Problem(const std::filesystem::path& deviceRoot) {
    FirstInstallation::Result installed = FirstInstallation::Install(deviceRoot);
    if (installed.outcome == FirstInstallation::Outcome::Failed) {
        return Unusable(FirstInstallation::DatabasePath(deviceRoot), "만들 수 없습니다 (" + installed.message + ")");
    }
    return Check(FirstInstallation::DatabasePath(deviceRoot));
}

void StartupDatabase::Prepare(const std::filesystem::path& deviceRoot) {
    std::string problem = Problem(deviceRoot);
    if (problem.empty()) return;
    std::fprintf(stderr, "%s\n", problem.c_str());
    AfxMessageBox(CString::FromUtf8(problem.c_str()), MB_OK | MB_ICONSTOP);
}
