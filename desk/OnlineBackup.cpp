#include "desk/OnlineBackup.h"

#include <sqlite3.h>
#include <unistd.h>

#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/NotebookLayout.h"

OnlineBackup::OnlineBackup(const std::filesystem::path& source, const std::filesystem::path& target, bool checked)
    : m_target(target), m_checked(checked) {
    m_part = target;
    m_part += ".part-" + std::to_string(::getpid());
    std::error_code error;
    if (!std::filesystem::exists(source, error)) throw DeskFailure(source.string() + ": 파일이 없습니다");
    std::filesystem::create_directories(target.parent_path(), error);
    if (error) throw DeskFailure(target.parent_path().string() + ": 폴더를 만들 수 없습니다 (" + error.message() + ")");
    std::filesystem::remove(m_part, error);
    m_source = std::make_unique<Database>(source, Database::Mode::ReadOnly);
    m_copy = std::make_unique<Database>(m_part, Database::Mode::Create);
    m_backup = sqlite3_backup_init(m_copy->Handle(), "main", m_source->Handle(), "main");
    if (!m_backup) {
        DeskFailure failure = m_copy->Failure("백업을 시작할 수 없습니다");
        Abandon();
        throw failure;
    }
}

OnlineBackup::~OnlineBackup() {
    if (!m_done) Abandon();
}

void OnlineBackup::Abandon() {
    if (m_backup) sqlite3_backup_finish(m_backup);
    m_backup = nullptr;
    m_copy.reset();
    m_source.reset();
    std::error_code error;
    std::filesystem::remove(m_part, error);
    std::filesystem::remove(m_part.string() + "-journal", error);
}

bool OnlineBackup::Step(int pages) {
    if (m_done) return true;
    if (!Copy(pages)) return false;
    Finish();
    return true;
}

bool OnlineBackup::Copy(int pages) {
    if (m_copied) return true;
    int rc = sqlite3_backup_step(m_backup, pages);
    // The program holds the file a moment: the next step tries again.
    if (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) return false;
    if (rc != SQLITE_DONE) {
        sqlite3_backup_finish(m_backup);
        m_backup = nullptr;
        DeskFailure failure = m_source->Failure("백업할 수 없습니다");
        Abandon();
        throw failure;
    }
    sqlite3_backup_finish(m_backup);
    m_backup = nullptr;
    m_copied = true;
    return true;
}

void OnlineBackup::Run() {
    while (!Step()) {
    }
}

void OnlineBackup::Finish() {
    if (m_done) return;
    try {
        // A copy is one file: it keeps no write-ahead log beside it.
        m_copy->Execute("PRAGMA journal_mode=DELETE");
        if (m_checked) NotebookLayout::Check(*m_copy);
    } catch (const DeskFailure& failure) {
        Abandon();
        throw DeskFailure("백업을 확인할 수 없어 남기지 않았습니다: " + std::string(failure.what()));
    }
    m_copy.reset();
    m_source.reset();
    std::error_code error;
    std::filesystem::rename(m_part, m_target, error);
    if (error) {
        Abandon();
        throw DeskFailure(m_target.string() + ": 백업을 저장할 수 없습니다 (" + error.message() + ")");
    }
    m_done = true;
}
