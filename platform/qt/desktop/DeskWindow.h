#pragma once
// The desktop window around the device: a menu bar (backups, restore, export
// and import, zoom, help), the device's screen on the left at its zoom, and
// room on the right for the panels to come. Its size, place and zoom are the
// window's own settings, in the user's configuration folder; the device
// program keeps none. Restore and import are offered only while the main
// menu shows, so that no function holds rows of the notebook meanwhile; so
// is the choice of a shared notebook (파일 ▸ 공유 노트에 연결…), which is
// remembered with the window's settings, its password never.

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <string>

class BackupRunner;
class CompanionPanel;
class DeviceScreen;
class QtWindowSystem;
class ReportsWindow;

class DeskWindow : public QMainWindow {
public:
    // `zoomGiven`: the zoom came from the command line and outranks the one
    // remembered. `automaticBackups`: off for tests that count backups.
    DeskWindow(QtWindowSystem& screen, std::filesystem::path deviceRoot, bool zoomGiven, bool automaticBackups = true);
    ~DeskWindow() override;

    // Once start-up has made or checked the notebook: the panel, made before
    // it, reads it again.
    void NotebookPrepared();
    // As the program ends: remembers the window, makes the closing backup.
    void Finish();
    BackupRunner& Backups() const { return *m_backups; }
    // Whether restore and import are offered now.
    bool OnMainMenu() const;
    // 보고서: the charts, in a window beside this one (made at the first call).
    ReportsWindow& OpenReports();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceBeside(QWidget& window) const;
    void AddFileMenu();
    void AddViewMenu();
    void AddReportsMenu();
    void AddHelpMenu();
    void UpdateActions();
    void RestoreSettings(bool zoomGiven);
    void SaveSettings() const;

    void BackUpNow();
    void RestoreFromBackup();
    void RestoreShared();
    // The notebook in use as JSON, and a JSON notebook into it.
    std::string ExportedNotebook() const;
    long long ImportedNotebook(const std::string& json, const std::string& file) const;
    void ExportItems();
    void ExportNotebook();
    void ImportProducts();
    void ImportNotebook();
    void ConnectShared();
    // The shared notebook remembered, unless the command line chose one.
    void UseRememberedNotebook();
    void ShowNotebook();
    void MoveFocusAcross();
    bool RefusedOnShared(const QString& job);
    void About();
    void Tell(const QString& text);
    void Refuse(const QString& text);

    DeviceScreen& m_screen;
    // The device screen's control that had the keys when they went to the panel.
    QPointer<QWidget> m_screenFocus;
    std::filesystem::path m_root;
    std::unique_ptr<BackupRunner> m_backups;
    bool m_automatic;
    bool m_painted = false;
    QList<QAction*> m_mainMenuOnly;
    CompanionPanel* m_companion = nullptr;
    ReportsWindow* m_reports = nullptr;
};
