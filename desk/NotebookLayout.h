#pragma once
// The tables of the notebook and their columns, as the installation makes
// them, in a fixed order (the order in which they are made). What a file must
// have to be taken for a notebook: a backup, a file to restore from.

#include <filesystem>
#include <string>
#include <vector>

#include "tools/install/DatabaseLayout.h"

class Database;

class NotebookLayout {
public:
    using Column = DatabaseLayout::Column;
    using Table = DatabaseLayout::Table;

    // The installed layout, read once from the installation's own schema.
    static const std::vector<Table>& Tables() { return DatabaseLayout::Installed(); }
    // The notebook file below a device root, and the folder of its backups.
    static std::filesystem::path NotebookFile(const std::filesystem::path& deviceRoot);
    static std::filesystem::path BackupFolder(const std::filesystem::path& deviceRoot);

    // Throws DeskFailure, naming the file, unless the database is whole
    // (SQLite's integrity check) and holds every table with its columns.
    static void Check(Database& db);
    // The columns of `table` in `db`, in their order.
    static std::vector<Column> ColumnsOf(Database& db, const std::string& table);
};
