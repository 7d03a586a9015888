#include "desk/BackupFolder.h"

#include <algorithm>

#include "desk/BackupRetention.h"
#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/JsonBackup.h"
#include "desk/NotebookLayout.h"
#include "desk/OnlineBackup.h"
#include "desk/WholeFile.h"

BackupFolder::BackupFolder(const std::filesystem::path& deviceRoot)
    : m_root(deviceRoot),
      m_notebook(NotebookLayout::NotebookFile(deviceRoot)), m_folder(NotebookLayout::BackupFolder(deviceRoot)) {}

std::filesystem::path BackupFolder::PathFor(long long unixSeconds, bool beforeRestore, bool json) const {
    // Two in one second (a restore of the copy that a restore just kept): the
    // later takes the next free second rather than replace the earlier.
    std::error_code error;
    std::filesystem::path path;
    do {
        BackupName name = BackupName::At(unixSeconds++, beforeRestore);
        name.json = json;
        path = m_folder / name.FileName();
    } while (std::filesystem::exists(path, error));
    return path;
}

std::vector<BackupFolder::Entry> BackupFolder::List() const {
    std::vector<Entry> entries;
    std::error_code error;
    if (!std::filesystem::exists(m_folder, error)) return entries;
    for (const auto& item : std::filesystem::directory_iterator(m_folder, error)) {
        std::optional<BackupName> name = BackupName::Parse(item.path().filename().string());
        if (!name) continue;
        Entry entry{item.path(), *name, std::nullopt, ""};
        try {
            if (name->json) {
                entry.summary = JsonBackup::Summary(item.path());
            } else {
                Database db(item.path(), Database::Mode::ReadOnly);
                entry.summary = NotebookSummary::Read(db);
            }
        } catch (const DeskFailure& failure) {
            entry.problem = failure.what();
        }
        entries.push_back(std::move(entry));
    }
    if (error) throw DeskFailure(m_folder.string() + ": 백업 폴더를 읽을 수 없습니다 (" + error.message() + ")");
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.name.Order() != b.name.Order() ? a.name.Order() < b.name.Order() : a.file < b.file;
    });
    return entries;
}

std::filesystem::path BackupFolder::BackUpNow(long long unixSeconds) const {
    OnlineBackup backup(m_notebook, PathFor(unixSeconds));
    backup.Run();
    Prune(unixSeconds);
    return backup.Target();
}

std::filesystem::path BackupFolder::BackUpShared(const std::string& connection, long long unixSeconds) const {
    std::string json = JsonBackup::Take(connection);
    std::error_code error;
    // Nothing changed since the last one: it stands for this one too.
    std::optional<BackupName> last;
    for (const auto& item : std::filesystem::directory_iterator(m_folder, error)) {
        auto name = BackupName::Parse(item.path().filename().string());
        if (name && name->json && !name->beforeRestore && (!last || name->Order() > last->Order())) last = name;
    }
    if (last && WholeFile::Read(m_folder / last->FileName()) == json) return m_folder / last->FileName();
    std::filesystem::create_directories(m_folder, error);
    std::filesystem::path target = PathFor(unixSeconds, false, true);
    WholeFile::Write(target, json);
    Prune(unixSeconds);
    return target;
}

std::vector<std::string> BackupFolder::Prune(long long unixSeconds) const {
    std::vector<BackupName> names;
    std::error_code error;
    if (!std::filesystem::exists(m_folder, error)) return {};
    for (const auto& item : std::filesystem::directory_iterator(m_folder, error)) {
        if (auto name = BackupName::Parse(item.path().filename().string())) names.push_back(*name);
    }
    std::vector<std::string> removed;
    for (const BackupName& name : BackupRetention::ToRemove(names, BackupName::At(unixSeconds))) {
        if (std::filesystem::remove(m_folder / name.FileName(), error)) removed.push_back(name.FileName());
    }
    return removed;
}
