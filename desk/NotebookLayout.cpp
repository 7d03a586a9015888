#include "desk/NotebookLayout.h"

#include <sqlite3.h>

#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "tools/install/FirstInstallation.h"

namespace {

std::string Names(const std::vector<NotebookLayout::Column>& columns) {
    std::string names;
    for (const NotebookLayout::Column& column : columns) names += (names.empty() ? "" : ",") + column.name;
    return names;
}

} // namespace

std::filesystem::path NotebookLayout::NotebookFile(const std::filesystem::path& deviceRoot) {
    return FirstInstallation::DatabasePath(deviceRoot);
}

std::filesystem::path NotebookLayout::BackupFolder(const std::filesystem::path& deviceRoot) {
    return deviceRoot / "backups";
}

std::vector<NotebookLayout::Column> NotebookLayout::ColumnsOf(Database& db, const std::string& table) {
    std::vector<Column> columns;
    db.Query("SELECT name, upper(type) FROM pragma_table_info(?) ORDER BY cid", {&table}, [&](sqlite3_stmt* s) {
        columns.push_back({Database::ColumnText(s, 0), Database::ColumnText(s, 1) == "INTEGER"});
    });
    return columns;
}

void NotebookLayout::Check(Database& db) {
    std::string integrity = db.Text("PRAGMA integrity_check(1)");
    if (integrity != "ok") throw DeskFailure(db.File().string() + ": 손상된 파일입니다 (" + integrity + ")");
    for (const Table& table : Tables()) {
        std::vector<Column> found = ColumnsOf(db, table.name);
        if (found.empty()) throw DeskFailure(db.File().string() + ": 테이블이 없습니다: " + table.name);
        if (Names(found) != Names(table.columns)) {
            throw DeskFailure(db.File().string() + ": " + table.name + "의 열이 다릅니다 (" + Names(found) + ")");
        }
    }
}
