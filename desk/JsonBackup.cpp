#include "desk/JsonBackup.h"

#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/NotebookJson.h"
#include "desk/SharedNotebook.h"
#include "desk/WholeFile.h"
#include "tools/install/FirstInstallation.h"

namespace {

// An empty notebook in memory holding the file's rows.
class LoadedNotebook {
public:
    LoadedNotebook(std::string_view json, const std::string& file) : m_db(":memory:", Database::Mode::Create) {
        m_db.Execute(FirstInstallation::SchemaSql());
        NotebookJson::Import(m_db, json, file);
    }
    Database& Db() { return m_db; }

private:
    Database m_db;
};

} // namespace

std::string JsonBackup::Take(const std::string& connection) {
    std::string json;
    {
        SharedNotebook notebook(connection);
        json = NotebookJson::Export(notebook);
    }
    Check(json, SharedNotebook::Shown(connection));
    return json;
}

void JsonBackup::Check(std::string_view json, const std::string& file) {
    LoadedNotebook loaded(json, file);
    if (NotebookJson::Export(loaded.Db()) != json) {
        throw DeskFailure(file + ": 백업을 다시 읽으니 내용이 달라 쓰지 않았습니다");
    }
}

NotebookSummary JsonBackup::Summary(const std::filesystem::path& file) {
    LoadedNotebook loaded(WholeFile::Read(file), file.string());
    return NotebookSummary::Read(loaded.Db());
}

std::filesystem::path JsonBackup::Restore(const std::string& connection, const std::filesystem::path& backup,
                                          const std::filesystem::path& beforeRestore) {
    std::string json = WholeFile::Read(backup);
    Check(json, backup.string());
    SharedNotebook notebook(connection);
    // The notebook as it is, kept first, so that the restore can be undone.
    NotebookJson::Replace(notebook, json, backup.string(),
                          [&](const std::string& current) { WholeFile::Write(beforeRestore, current); });
    return beforeRestore;
}
