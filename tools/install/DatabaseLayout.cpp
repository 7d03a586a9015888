#include "tools/install/DatabaseLayout.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tools/install/FirstInstallation.h"

namespace {

using Columns = std::vector<std::string>;
// In the order the tables were made, so that a message names them so.
using Tables = std::vector<std::pair<std::string, Columns>>;

// The rows of a one-column statement; false when it fails.
bool Texts(sqlite3* db, const std::string& sql, std::vector<std::string>& out, int column = 0) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(statement, column);
            out.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE;
}

// Tables and their columns; false when they cannot be read.
bool ReadTables(sqlite3* db, Tables& tables) {
    std::vector<std::string> names;
    if (!Texts(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid", names)) return false;
    for (const std::string& name : names) {
        std::string quoted;
        for (char c : name) quoted += c == '\'' ? std::string("''") : std::string(1, c);
        std::vector<std::string> columns;
        // The second column of table_info is the column's name.
        if (!Texts(db, "SELECT * FROM pragma_table_info('" + quoted + "')", columns, 1)) return false;
        tables.emplace_back(name, std::move(columns));
    }
    return true;
}

const Tables& InstalledLayout() {
    static const Tables layout = [] {
        Tables tables;
        sqlite3* db = nullptr;
        if (sqlite3_open(":memory:", &db) == SQLITE_OK &&
            sqlite3_exec(db, FirstInstallation::SchemaSql(), nullptr, nullptr, nullptr) == SQLITE_OK) {
            ReadTables(db, tables);
        }
        sqlite3_close(db);
        return tables;
    }();
    return layout;
}

} // namespace

std::string DatabaseLayout::Problem(sqlite3* db) {
    std::string damage = Damage(db);
    return damage.empty() ? MissingParts(db) : damage;
}

std::string DatabaseLayout::Damage(sqlite3* db) {
    std::vector<std::string> findings;
    if (!Texts(db, "PRAGMA quick_check", findings)) {
        std::string why = sqlite3_errmsg(db);
        int code = sqlite3_errcode(db);
        const char* what = code == SQLITE_NOTADB    ? "데이터베이스 파일이 아닙니다"
                           : code == SQLITE_CORRUPT ? "파일이 손상되었습니다"
                                                    : "읽을 수 없습니다";
        return what + std::string(" (") + why + ")";
    }
    if (findings.size() == 1 && findings[0] == "ok") return "";
    return "파일이 손상되었습니다 (" + (findings.empty() ? std::string("quick_check") : findings[0]) + ")";
}

std::string DatabaseLayout::MissingParts(sqlite3* db) {
    Tables present;
    if (!ReadTables(db, present)) return "읽을 수 없습니다 (" + std::string(sqlite3_errmsg(db)) + ")";
    std::string missingTables;
    std::string missingColumns;
    for (const auto& [table, columns] : InstalledLayout()) {
        auto found = std::find_if(present.begin(), present.end(), [&](const auto& t) { return t.first == table; });
        if (found == present.end()) {
            missingTables += (missingTables.empty() ? "" : ", ") + table;
            continue;
        }
        for (const std::string& column : columns) {
            if (std::find(found->second.begin(), found->second.end(), column) == found->second.end()) {
                missingColumns += (missingColumns.empty() ? "" : ", ") + table + "." + column;
            }
        }
    }
    if (!missingTables.empty()) return "테이블이 없습니다: " + missingTables;
    if (!missingColumns.empty()) return "열이 없습니다: " + missingColumns;
    return "";
}
