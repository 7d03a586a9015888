// The program's database at start: a first run installs it without a word;
// a file that is there but cannot be used is named once, in a box, before
// anything else shows.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ScreenTest.h"
#include "platform/framework/CWinApp.h"
#include "tools/install/FirstInstallation.h"
#include "tools/install/StartupDatabase.h"

namespace {

class StartupDatabaseScreen : public ScreenTest {
protected:
    void SetUp() override {
        m_root = std::filesystem::temp_directory_path() / ("cartavel-startup-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        m_file = FirstInstallation::DatabasePath(m_root);
        CWinApp::SetProgramFileName(u"/usr/bin/cartavel");
    }
    void TearDown() override {
        std::filesystem::permissions(m_file, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     m_ignored);
        std::filesystem::remove_all(m_root);
    }

    void Sql(const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(m_file.c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    // Starts with the file as it is and answers the one box, if one comes.
    void Start(bool expectBox) {
        AnswerNextBox(QMessageBox::Ok);
        StartupDatabase::Prepare(m_root);
        ASSERT_EQ(m_seenBoxes.size(), expectBox ? 1u : 0u);
    }
    void ExpectBoxSays(const char* why) {
        ASSERT_EQ(m_seenBoxes.size(), 1u);
        const SeenMessageBox& box = m_seenBoxes[0];
        EXPECT_EQ(box.caption, QStringLiteral("cartavel"));
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
        EXPECT_TRUE(box.text.contains(QString::fromStdString(m_file.string()))) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QString::fromUtf8(why))) << box.text.toStdString();
    }

    std::filesystem::path m_root;
    std::filesystem::path m_file;
    std::error_code m_ignored;
};

TEST_F(StartupDatabaseScreen, AFirstRunInstallsTheDatabaseAndSaysNothing) {
    Start(false);
    ASSERT_TRUE(std::filesystem::is_regular_file(m_file));
    Sql("insert into Unit_tbl values ('개')");
    // The next start finds it usable and leaves it as it is.
    Start(false);
    EXPECT_EQ(StartupDatabase::Problem(m_root), "");
}

TEST_F(StartupDatabaseScreen, AFileThatIsNoDatabaseIsNamedOnceAndKept) {
    std::filesystem::create_directories(m_file.parent_path());
    std::ofstream(m_file) << "shopping notes, not a database\n";
    Start(true);
    ExpectBoxSays("데이터베이스 파일이 아닙니다");
    std::ifstream kept(m_file);
    std::string line;
    std::getline(kept, line);
    EXPECT_EQ(line, "shopping notes, not a database");
}

TEST_F(StartupDatabaseScreen, MissingTablesAreNamed) {
    ASSERT_EQ(FirstInstallation::Install(m_root).outcome, FirstInstallation::Outcome::Created);
    Sql("drop table Unit_tbl; drop table ShpStore_tbl");
    Start(true);
    ExpectBoxSays("테이블이 없습니다: Unit_tbl, ShpStore_tbl");
}

// A column gone, or a page damaged: named before the main menu, where
// otherwise saves would go on reporting success on the file.
TEST_F(StartupDatabaseScreen, AMissingColumnOrADamagedPageIsNamed) {
    ASSERT_EQ(FirstInstallation::Install(m_root).outcome, FirstInstallation::Outcome::Created);
    Sql("alter table ProdName_tbl drop column CategoryName");
    Start(true);
    ExpectBoxSays("열이 없습니다: ProdName_tbl.CategoryName");

    m_seenBoxes.clear();
    std::filesystem::remove_all(m_root);
    ASSERT_EQ(FirstInstallation::Install(m_root).outcome, FirstInstallation::Outcome::Created);
    Sql("insert into ShoppingList_tbl with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
        "select i, '과일', printf('상품%05d', i), 1, '개', 0, '', 0, 0, 0, '', '', '', '' from n");
    const auto size = std::filesystem::file_size(m_file);
    ASSERT_GT(size, 8u * 4096);
    {
        // Four kilobytes of noise in the middle of the file, after the
        // last connection has written everything into it.
        std::fstream file(m_file, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(size / 2 / 4096 * 4096));
        for (int i = 0; i < 4096; ++i) file.put(static_cast<char>(0xA5 ^ i));
    }
    EXPECT_NE(StartupDatabase::Problem(m_root).find("손상"), std::string::npos) << StartupDatabase::Problem(m_root);
    Start(true);
    ExpectBoxSays("파일이 손상되었습니다");
}

TEST_F(StartupDatabaseScreen, AFolderWhereTheFileShouldBeIsNamed) {
    std::filesystem::create_directories(m_file);
    Start(true);
    ExpectBoxSays("만들 수 없습니다");
}

TEST_F(StartupDatabaseScreen, AnUnreadableOrReadOnlyFileIsNamed) {
    if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not stop the superuser";
    ASSERT_EQ(FirstInstallation::Install(m_root).outcome, FirstInstallation::Outcome::Created);
    std::filesystem::permissions(m_file, std::filesystem::perms::owner_read);
    EXPECT_NE(StartupDatabase::Problem(m_root).find("읽기 전용"), std::string::npos);
    std::filesystem::permissions(m_file, std::filesystem::perms::none);
    Start(true);
    ExpectBoxSays("열 수 없습니다");
}

} // namespace
