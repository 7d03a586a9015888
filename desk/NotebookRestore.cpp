#include "desk/NotebookRestore.h"

#include <sqlite3.h>

#include "desk/BackupFolder.h"
#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/NotebookLayout.h"
#include "desk/OnlineBackup.h"
#include "tools/install/FirstInstallation.h"

namespace {

// An item is lost or comes back unless the same row, every column alike, is
// on both sides; a trip is its number with its date.
long long Missing(Database& db, const char* from, const char* in, bool trips) {
    std::string rows = trips ? "SELECT DISTINCT MgrNo, ShpDate FROM %s.ShoppingList_tbl WHERE PayYN = 'Y'"
                             : "SELECT * FROM %s.ShoppingList_tbl";
    auto of = [&](const char* schema) {
        std::string text = rows;
        return text.replace(text.find("%s"), 2, schema);
    };
    return db.Number("SELECT count(*) FROM (" + of(from) + " EXCEPT " + of(in) + ")");
}

} // namespace

NotebookRestore::Preview NotebookRestore::Look(const BackupFolder& folder, const std::filesystem::path& backup) {
    Preview preview;
    {
        Database source(backup, Database::Mode::ReadOnly);
        NotebookLayout::Check(source);
        preview.backup = NotebookSummary::Read(source);
    }
    Database notebook(folder.Notebook(), Database::Mode::ReadOnly);
    preview.now = NotebookSummary::Read(notebook);
    std::string file = backup.string();
    notebook.Query("ATTACH DATABASE ? AS backup", {&file}, [](sqlite3_stmt*) {});
    preview.tripsBack = Missing(notebook, "backup", "main", true);
    preview.itemsBack = Missing(notebook, "backup", "main", false);
    preview.tripsLost = Missing(notebook, "main", "backup", true);
    preview.itemsLost = Missing(notebook, "main", "backup", false);
    return preview;
}

std::filesystem::path NotebookRestore::Restore(const BackupFolder& folder, const std::filesystem::path& backup,
                                               long long unixSeconds) {
    Database source(backup, Database::Mode::ReadOnly);
    NotebookLayout::Check(source);
    FirstInstallation::Result installed = FirstInstallation::Install(folder.DeviceRoot());
    if (installed.outcome == FirstInstallation::Outcome::Failed) throw DeskFailure(installed.message);
    // The notebook as it is, kept whatever it holds: it may be the broken
    // file that the restore is for.
    std::filesystem::path before = folder.PathFor(unixSeconds, true);
    OnlineBackup(folder.Notebook(), before, false).Run();

    Database notebook(folder.Notebook(), Database::Mode::ReadWrite);
    sqlite3_backup* copy = sqlite3_backup_init(notebook.Handle(), "main", source.Handle(), "main");
    if (!copy) throw notebook.Failure("복원할 수 없습니다");
    int rc = sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);
    if (rc != SQLITE_DONE) throw notebook.Failure("복원할 수 없습니다");
    // The notebook keeps its write-ahead log, whatever the backup's mode.
    notebook.Execute("PRAGMA journal_mode=WAL");
    return before;
}
