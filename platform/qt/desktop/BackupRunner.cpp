#include "platform/qt/desktop/BackupRunner.h"

#include <chrono>
#include <ctime>

#include "desk/BackupFolder.h"
#include "desk/DeskFailure.h"
#include "desk/NotebookLayout.h"
#include "desk/OnlineBackup.h"
#include "platform/recordset/DatabaseChoice.h"

BackupRunner::BackupRunner(std::filesystem::path deviceRoot, std::function<void(const QString&)> report)
    : m_root(std::move(deviceRoot)), m_report(std::move(report)) {
    m_steps.setInterval(0);
    connect(&m_steps, &QTimer::timeout, this, [this] { Step(); });
    m_every.setInterval(std::chrono::minutes(kEveryMinutes));
    connect(&m_every, &QTimer::timeout, this, [this] { EveryWhile(); });
    m_every.start();
}

BackupRunner::~BackupRunner() = default;

std::string BackupRunner::ChangeStamp() const {
    std::string stamp;
    std::filesystem::path file = NotebookLayout::NotebookFile(m_root);
    for (const std::filesystem::path& part : {file, std::filesystem::path(file.string() + "-wal")}) {
        std::error_code error;
        auto time = std::filesystem::last_write_time(part, error);
        auto size = std::filesystem::file_size(part, error);
        if (!error) stamp += std::to_string(time.time_since_epoch().count()) + ":" + std::to_string(size) + ";";
    }
    return stamp;
}

void BackupRunner::EveryWhile() {
    // A shared notebook's changes are not seen from here: its backup is made
    // each time, and kept only when it differs from the last.
    if (DatabaseChoice::IsPostgres() || ChangeStamp() != m_stampAtBackup) Start();
}

void BackupRunner::StartShared() {
    std::filesystem::path root = m_root;
    std::string connection = DatabaseChoice::Connection();
    m_shared = std::async(std::launch::async, [root, connection] {
        return BackupFolder(root).BackUpShared(connection, std::time(nullptr));
    });
    m_steps.setInterval(10);
    m_steps.start();
}

void BackupRunner::StepShared() {
    if (m_shared.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    try {
        std::filesystem::path made = m_shared.get();
        m_steps.stop();
        Made(made);
    } catch (const std::exception& failure) {
        Failed(failure.what());
    }
}

void BackupRunner::Start() {
    if (IsRunning()) return;
    if (DatabaseChoice::IsPostgres()) return StartShared();
    BackupFolder folder(m_root);
    m_stampAtBackup = ChangeStamp();
    try {
        m_backup = std::make_unique<OnlineBackup>(folder.Notebook(), folder.PathFor(std::time(nullptr)));
    } catch (const DeskFailure& failure) {
        Failed(failure.what());
        return;
    }
    m_steps.setInterval(0);
    m_steps.start();
}

void BackupRunner::Step() {
    if (m_shared.valid()) return StepShared();
    auto start = std::chrono::steady_clock::now();
    bool done = false;
    try {
        if (m_checking.valid()) {
            done = m_checking.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
            if (done) m_checking.get();
        } else if (m_backup->Copy()) {
            OnlineBackup* copy = m_backup.get();
            m_checking = std::async(std::launch::async, [copy] { copy->Finish(); });
            // Nothing to do but look in now and then.
            m_steps.setInterval(10);
        }
    } catch (const DeskFailure& failure) {
        Failed(failure.what());
        return;
    }
    m_longestStepMs = std::max(m_longestStepMs, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (done) Finished();
}

void BackupRunner::RunNow() {
    if (!IsRunning()) Start();
    if (m_shared.valid()) {
        m_shared.wait();
        return StepShared();
    }
    if (!m_backup) return;
    try {
        if (m_checking.valid()) m_checking.get();
        else m_backup->Run();
    } catch (const DeskFailure& failure) {
        Failed(failure.what());
        return;
    }
    Finished();
}

void BackupRunner::Finished() {
    std::filesystem::path made = m_backup->Target();
    m_steps.stop();
    m_backup.reset();
    try {
        BackupFolder(m_root).Prune(std::time(nullptr));
    } catch (const std::exception&) {
        // The backup is kept; an old one left over is tried again next time.
    }
    Made(made);
}

void BackupRunner::Made(const std::filesystem::path& made) {
    ++m_made;
    m_report(QStringLiteral("백업했습니다: ") + QString::fromStdString(made.filename().string()));
}

void BackupRunner::Failed(const std::string& why) {
    m_steps.stop();
    m_backup.reset();
    m_report(QStringLiteral("백업하지 못했습니다: ") + QString::fromStdString(why));
}
