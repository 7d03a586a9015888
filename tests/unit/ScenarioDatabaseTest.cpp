// The scenario driver's own way to the database file: how rows are written
// for `expect db`, that a failing `sql` line leaves nothing behind, and that
// no data command ever creates the file.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "platform/shell/DeviceFileSystem.h"
#include "tools/script/DatabaseCommands.h"
#include "tools/script/DatabaseConnection.h"
#include "tools/script/ScriptFailure.h"

namespace {

class ScenarioDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = std::filesystem::temp_directory_path() /
                 ("cartavel-dbtest-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_root / "Program Files" / "Cartavel");
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }

    std::filesystem::path File() const { return m_root / "Program Files" / "Cartavel" / "Orvanemart.cdb"; }

    void Create(const char* statements) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(File().string().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, statements, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }

    std::vector<std::string> Rows(const std::string& statement) const {
        DatabaseConnection connection;
        std::string error;
        std::vector<std::string> rows;
        EXPECT_TRUE(connection.Open(File(), true, error)) << error;
        EXPECT_TRUE(connection.Query(statement, rows, error)) << error;
        return rows;
    }

    std::filesystem::path m_root;
};

} // namespace

TEST_F(ScenarioDatabase, WritesEachFieldByWhatIsStored) {
    Create("create table T (n integer, r real, t text);"
           "insert into T values (-2147483648, 2.5, '과일');"
           "insert into T values (NULL, 1.005e3, '');"
           "insert into T values ('', 0, NULL);");
    EXPECT_EQ(Rows("select * from T order by rowid"),
              (std::vector<std::string>{"-2147483648|2.50|과일", "NULL|1005.00|", "|0.00|NULL"}));
    EXPECT_TRUE(Rows("select * from T where n = 1").empty());
}

TEST_F(ScenarioDatabase, AFailingSqlLineChangesNothing) {
    Create("create table T (n integer);");
    DatabaseConnection connection;
    std::string error;
    ASSERT_TRUE(connection.Open(File(), false, error)) << error;
    EXPECT_TRUE(connection.Execute("insert into T values (1); insert into T values (2)", error)) << error;
    EXPECT_FALSE(connection.Execute("insert into T values (3); insert into Missing values (4)", error));
    EXPECT_EQ(error, "no such table: Missing");
    EXPECT_FALSE(connection.Execute("begin; insert into T values (5); commit", error));
    EXPECT_NE(error.find("already run as one transaction"), std::string::npos) << error;
    EXPECT_EQ(Rows("select n from T order by n"), (std::vector<std::string>{"1", "2"}));
}

TEST_F(ScenarioDatabase, ExpectDbOnlyReadsOneStatement) {
    Create("create table T (n integer); insert into T values (1);");
    DatabaseConnection connection;
    std::string error;
    std::vector<std::string> rows;
    ASSERT_TRUE(connection.Open(File(), true, error));
    EXPECT_FALSE(connection.Query("delete from T", rows, error));
    EXPECT_EQ(error, "expected a statement that only reads, found one that writes");
    EXPECT_FALSE(connection.Query("select 1; delete from T", rows, error));
    EXPECT_EQ(error, "expected one statement, found a second one:  delete from T");
    EXPECT_EQ(Rows("select count(*) from T"), (std::vector<std::string>{"1"}));
}

TEST_F(ScenarioDatabase, DataCommandsNeverCreateTheFile) {
    DeviceFileSystem::SetRoot(m_root);
    ScenarioCommand sql;
    sql.statement = "create table T (n integer)";
    try {
        DatabaseCommands::Sql(sql);
        ADD_FAILURE() << "sql ran without a database file";
    } catch (const ScriptFailure& failure) {
        EXPECT_EQ(failure.reason, "expected the database file \\Program Files\\Cartavel\\Orvanemart.cdb on the device, "
                                  "found none (install creates it)");
    }
    DatabaseConnection connection;
    std::string error;
    EXPECT_FALSE(connection.Open(File(), false, error));
    EXPECT_FALSE(std::filesystem::exists(File()));
}
