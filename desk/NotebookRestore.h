#pragma once
// Bringing a backup back as the notebook. The backup is checked first and a
// file that fails is refused with nothing changed; the notebook as it is
// becomes a backup of its own (…-before-restore.cdb), so that a restore can
// itself be undone.

#include <filesystem>

#include "desk/NotebookSummary.h"

class BackupFolder;

class NotebookRestore {
public:
    // What a restore would do, against the notebook now.
    struct Preview {
        NotebookSummary now;
        NotebookSummary backup;
        long long tripsBack = 0, itemsBack = 0;  // in the backup, not in the notebook
        long long tripsLost = 0, itemsLost = 0;  // in the notebook, not in the backup
    };

    // Throws DeskFailure when the backup fails the check.
    static Preview Look(const BackupFolder& folder, const std::filesystem::path& backup);
    // Restores; returns the copy of the notebook kept before.
    static std::filesystem::path Restore(const BackupFolder& folder, const std::filesystem::path& backup,
                                         long long unixSeconds);
};
