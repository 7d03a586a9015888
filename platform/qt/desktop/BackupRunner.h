#pragma once
// The window's automatic backups of the notebook: one once the window has
// shown its first frame, one every 15 minutes when the notebook changed since
// the last, and one as the program ends. While the program runs, a backup
// copies a few pages per turn of the event loop, and the check of the copy,
// which reads all of it, runs on a thread of its own: the screen never waits
// for more than a step. A shared notebook's backup is its JSON export, made
// on a thread of its own while the screen goes on.

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <string>

class OnlineBackup;

class BackupRunner : public QObject {
public:
    static constexpr int kEveryMinutes = 15;

    // `report` hears how each backup went, in a line for the status bar.
    BackupRunner(std::filesystem::path deviceRoot, std::function<void(const QString&)> report);
    ~BackupRunner() override;

    // Starts a backup in steps, unless one runs.
    void Start();
    // A whole backup at once (when the program ends), finishing one that runs.
    void RunNow();
    bool IsRunning() const { return m_backup != nullptr || m_shared.valid(); }
    // The longest one step kept the event loop, in milliseconds.
    double LongestStepMs() const { return m_longestStepMs; }
    // How many backups were kept since the start.
    int Made() const { return m_made; }

private:
    void Step();
    void Finished();
    void Failed(const std::string& why);
    void EveryWhile();
    void StartShared();
    void StepShared();
    void Made(const std::filesystem::path& made);
    // What tells a changed notebook: its file's and its log's time and size.
    std::string ChangeStamp() const;

    std::filesystem::path m_root;
    std::function<void(const QString&)> m_report;
    std::unique_ptr<OnlineBackup> m_backup;
    // The check of a whole copy; declared after the backup it reads, so that
    // it is waited for before that goes.
    std::future<void> m_checking;
    std::future<std::filesystem::path> m_shared;
    std::string m_stampAtBackup;
    QTimer m_steps;
    QTimer m_every;
    double m_longestStepMs = 0;
    int m_made = 0;
};
