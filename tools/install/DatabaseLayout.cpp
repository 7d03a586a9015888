#include "tools/install/DatabaseLayout.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "tools/install/FirstInstallation.h"

namespace {

using Table = DatabaseLayout::Table;

// The rows of a statement, column `column` of each; false when it fails.
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

// Tables and their columns, in the order they were made; false when they
// cannot be read.
bool ReadTables(sqlite3* db, std::vector<Table>& tables) {
    std::vector<std::string> names;
    if (!Texts(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid", names)) return false;
    for (const std::string& name : names) {
        std::string quoted;
        for (char c : name) quoted += c == '\'' ? std::string("''") : std::string(1, c);
        // table_info gives each column's name second and its declared type third.
        const std::string info = "SELECT * FROM pragma_table_info('" + quoted + "') ORDER BY cid";
        std::vector<std::string> columns;
        std::vector<std::string> types;
        if (!Texts(db, info, columns, 1) || !Texts(db, info, types, 2)) return false;
        Table table{name, {}};
        for (size_t i = 0; i < columns.size() && i < types.size(); ++i) {
            std::string type = types[i];
            std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::toupper(c); });
            table.columns.push_back({columns[i], type == "INTEGER"});
        }
        tables.push_back(std::move(table));
    }
    return true;
}

} // namespace

const std::vector<Table>& DatabaseLayout::Installed() {
    static const std::vector<Table> layout = [] {
        std::vector<Table> tables;
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
    std::vector<Table> present;
    if (!ReadTables(db, present)) return "읽을 수 없습니다 (" + std::string(sqlite3_errmsg(db)) + ")";
    std::string missingTables;
    std::string missingColumns;
    for (const Table& table : Installed()) {
        auto found = std::find_if(present.begin(), present.end(), [&](const Table& t) { return t.name == table.name; });
        if (found == present.end()) {
            missingTables += (missingTables.empty() ? "" : ", ") + table.name;
            continue;
        }
        for (const DatabaseLayout::Column& column : table.columns) {
            auto has = [&](const DatabaseLayout::Column& c) { return c.name == column.name; };
            if (std::none_of(found->columns.begin(), found->columns.end(), has)) {
                missingColumns += (missingColumns.empty() ? "" : ", ") + table.name + "." + column.name;
            }
        }
    }
    if (!missingTables.empty()) return "테이블이 없습니다: " + missingTables;
    if (!missingColumns.empty()) return "열이 없습니다: " + missingColumns;
    return "";
}
