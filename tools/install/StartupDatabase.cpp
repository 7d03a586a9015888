#include "tools/install/StartupDatabase.h"

#include <sqlite3.h>

#include <cstdio>

#include "platform/framework/CWinApp.h"
#include "tools/install/DatabaseLayout.h"
#include "tools/install/FirstInstallation.h"
#include "tools/install/PostgresInstallation.h"
#include "platform/recordset/DatabaseChoice.h"

namespace {

std::string Unusable(const std::filesystem::path& file, const std::string& why) {
    return "데이터베이스 파일을 사용할 수 없습니다.\n" + file.string() + "\n" + why;
}

std::string Check(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    // Never created here: a file that went away since is a problem too.
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::string why = std::string("열 수 없습니다 (") + (db ? sqlite3_errmsg(db) : "out of memory") + ")";
        sqlite3_close(db);
        return Unusable(file, why);
    }
    std::string why = DatabaseLayout::Problem(db);
    if (why.empty() && sqlite3_db_readonly(db, "main") == 1) why = "읽기 전용이라 저장할 수 없습니다";
    sqlite3_close(db);
    return why.empty() ? "" : Unusable(file, why);
}

} // namespace

std::string StartupDatabase::Problem(const std::filesystem::path& deviceRoot) {
    if (DatabaseChoice::IsPostgres()) return SharedProblem();
    FirstInstallation::Result installed = FirstInstallation::Install(deviceRoot);
    if (installed.outcome == FirstInstallation::Outcome::Failed) {
        return Unusable(FirstInstallation::DatabasePath(deviceRoot), "만들 수 없습니다 (" + installed.message + ")");
    }
    return Check(FirstInstallation::DatabasePath(deviceRoot));
}

// A shared notebook: installed when its database is empty, as a first run
// makes the file; then its tables are looked at.
std::string StartupDatabase::SharedProblem() {
    FirstInstallation::Result installed = PostgresInstallation::Install(DatabaseChoice::Connection());
    if (installed.outcome != FirstInstallation::Outcome::Failed) return "";
    return "공유 노트를 사용할 수 없습니다.\n" + installed.message;
}

std::string StartupDatabase::Switch(const std::string& connection) {
    if (connection.empty()) {
        DatabaseChoice::UseFile();
        return "";
    }
    FirstInstallation::Result installed = PostgresInstallation::Install(connection);
    if (installed.outcome == FirstInstallation::Outcome::Failed) return "공유 노트를 사용할 수 없습니다.\n" + installed.message;
    DatabaseChoice::UsePostgres(connection);
    return "";
}

void StartupDatabase::Prepare(const std::filesystem::path& deviceRoot) {
    std::string problem = Problem(deviceRoot);
    if (problem.empty()) return;
    std::fprintf(stderr, "%s\n", problem.c_str());
    AfxMessageBox(CString::FromUtf8(problem.c_str()), MB_OK | MB_ICONSTOP);
}
