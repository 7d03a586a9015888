#pragma once
// "백업에서 복원": the backups, newest first, each with its time, trips,
// items, last trip date and total paid; choosing one shows what would come
// back and what would be lost against the notebook now. Restoring keeps the
// notebook as it is as a backup first.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "desk/BackupFolder.h"

class QLabel;
class QPushButton;
class QTreeWidget;

class RestoreDialog : public QDialog {
public:
    RestoreDialog(const std::filesystem::path& deviceRoot, QWidget* parent);

    // The copy kept before the restore, once one was done.
    const std::filesystem::path& KeptBefore() const { return m_keptBefore; }

private:
    void Fill();
    void ShowPreview();
    void RestoreChosen();
    const BackupFolder::Entry* Chosen() const;

    BackupFolder m_folder;
    std::vector<BackupFolder::Entry> m_entries;
    QTreeWidget* m_list;
    QLabel* m_preview;
    QPushButton* m_restore;
    std::filesystem::path m_keptBefore;
};
