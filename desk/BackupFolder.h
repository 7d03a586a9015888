#pragma once
// The backups of one notebook: the folder `backups` under the device root,
// beside the notebook's own folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "desk/BackupName.h"
#include "desk/NotebookSummary.h"

class BackupFolder {
public:
    struct Entry {
        std::filesystem::path file;
        BackupName name;
        std::optional<NotebookSummary> summary;  // none when it cannot be read
        std::string problem;                     // why not
    };

    explicit BackupFolder(const std::filesystem::path& deviceRoot);

    const std::filesystem::path& DeviceRoot() const { return m_root; }
    const std::filesystem::path& Folder() const { return m_folder; }
    const std::filesystem::path& Notebook() const { return m_notebook; }
    // The path a backup made at that time gets: the first free name from it on.
    std::filesystem::path PathFor(long long unixSeconds, bool beforeRestore = false, bool json = false) const;
    // The backups there, oldest first, each with what it holds.
    std::vector<Entry> List() const;
    // A checked backup of the notebook, made at once; then the old ones go.
    std::filesystem::path BackUpNow(long long unixSeconds) const;
    // The same for a shared notebook (a libpq connection): its checked JSON
    // export, kept under the same rule. The server's own backups are its
    // administrator's.
    std::filesystem::path BackUpShared(const std::string& connection, long long unixSeconds) const;
    // Removes the backups that the retention rule lets go; their names.
    std::vector<std::string> Prune(long long unixSeconds) const;

private:
    std::filesystem::path m_root;
    std::filesystem::path m_notebook;
    std::filesystem::path m_folder;
};
