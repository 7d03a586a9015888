#pragma once
// A copy of a database made with SQLite's online backup while the program
// may go on using it, a few pages at a time so that a screen never waits for
// the whole. The copy is made under a passing name and takes its own name
// only once whole and checked: a backup that is there can be restored.

#include <filesystem>
#include <memory>

class Database;
struct sqlite3_backup;

class OnlineBackup {
public:
    // Pages per step: a few milliseconds of work.
    static constexpr int kStepPages = 256;

    // `checked`: the copy must pass NotebookLayout::Check to be kept.
    OnlineBackup(const std::filesystem::path& source, const std::filesystem::path& target, bool checked = true);
    ~OnlineBackup();
    OnlineBackup(const OnlineBackup&) = delete;
    OnlineBackup& operator=(const OnlineBackup&) = delete;

    // Copies up to `pages` pages; true once the copy is whole, checked and
    // under its name. Throws DeskFailure, leaving nothing behind.
    bool Step(int pages = kStepPages);
    // All the steps at once.
    void Run();
    // The two halves of a step, for a caller that checks elsewhere: Copy is
    // true once every page is copied; then Finish checks the copy and gives
    // it its name. The check reads the whole file, which a screen cannot
    // wait for; it may run on another thread.
    bool Copy(int pages = kStepPages);
    void Finish();
    const std::filesystem::path& Target() const { return m_target; }

private:
    void Abandon();

    std::filesystem::path m_target;
    std::filesystem::path m_part;
    bool m_checked;
    bool m_copied = false;
    bool m_done = false;
    std::unique_ptr<Database> m_source;
    std::unique_ptr<Database> m_copy;
    sqlite3_backup* m_backup = nullptr;
};
