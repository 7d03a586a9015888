// First installation: the device folder, the database and its schema, which
// takes every statement template of the program, refuses numbers that would not
// read back the same, and keeps the '' trip number out of the way.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/support/DatabaseFixture.h"

#include "data/CStatementBuilder.h"
#include "data/Statements.h"

namespace {

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Installation : public ::testing::Test {
protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("cartavel-install-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::permissions(root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(root, ignored);
    }
    std::filesystem::path root;
};

TEST_F(Installation, MakesTheDeviceFolderAndTheFiveTables) {
    FirstInstallation::Result result = FirstInstallation::Install(root);
    ASSERT_EQ(result.outcome, FirstInstallation::Outcome::Created) << result.message;
    std::filesystem::path file = root / "Program Files" / "Cartavel" / "Orvanemart.cdb";
    EXPECT_EQ(FirstInstallation::DatabasePath(root), file);
    ASSERT_TRUE(std::filesystem::is_regular_file(file));
    // Nothing but the database is left in the folder.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        ++entries;
        EXPECT_EQ(entry.path().filename(), "Orvanemart.cdb");
    }
    EXPECT_EQ(entries, 1);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    std::string tables;
    sqlite3_exec(db, "select name from sqlite_master where type='table' order by name",
                 [](void* sink, int, char** values, char**) {
                     *static_cast<std::string*>(sink) += std::string(values[0]) + " ";
                     return 0;
                 },
                 &tables, nullptr);
    EXPECT_EQ(tables, "Category_tbl ProdName_tbl ShoppingList_tbl ShpStore_tbl Unit_tbl ");
    std::string columns;
    sqlite3_exec(db, "select name, type from pragma_table_info('ShoppingList_tbl') order by cid",
                 [](void* sink, int, char** values, char**) {
                     *static_cast<std::string*>(sink) += std::string(values[0]) + ":" + values[1] + " ";
                     return 0;
                 },
                 &columns, nullptr);
    EXPECT_EQ(columns,
              "SeqNo:INTEGER CategoryName:TEXT ProdName:TEXT ShpQty:INTEGER UnitName:TEXT Price:INTEGER "
              "CuponYN:TEXT CuponDcAmt:INTEGER TotDcAmt:INTEGER ShpAmount:INTEGER ShpDate:TEXT StoreName:TEXT "
              "MgrNo:INTEGER PayYN:TEXT ");
    sqlite3_close(db);
}

TEST_F(Installation, ASecondRunLeavesTheDatabaseAsItIs) {
    ASSERT_EQ(FirstInstallation::Install(root).outcome, FirstInstallation::Outcome::Created);
    std::filesystem::path file = FirstInstallation::DatabasePath(root);
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "insert into Unit_tbl values ('kg')", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    std::string before = FileBytes(file);
    auto written = std::filesystem::last_write_time(file);

    FirstInstallation::Result again = FirstInstallation::Install(root);
    EXPECT_EQ(again.outcome, FirstInstallation::Outcome::AlreadyInstalled);
    EXPECT_NE(again.message.find("left as it is"), std::string::npos) << again.message;
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_EQ(std::filesystem::last_write_time(file), written);
}

TEST_F(Installation, NeverReplacesAFileOfTheDatabasesName) {
    std::filesystem::path file = FirstInstallation::DatabasePath(root);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "not a database";
    EXPECT_EQ(FirstInstallation::Install(root).outcome, FirstInstallation::Outcome::AlreadyInstalled);
    EXPECT_EQ(FileBytes(file), "not a database");
}

TEST_F(Installation, ReportsWhatStandsInTheWay) {
    std::filesystem::path file = FirstInstallation::DatabasePath(root);
    std::filesystem::create_directories(file);  // a folder of the database's name
    FirstInstallation::Result folder = FirstInstallation::Install(root);
    EXPECT_EQ(folder.outcome, FirstInstallation::Outcome::Failed);
    EXPECT_NE(folder.message.find("not a file"), std::string::npos) << folder.message;
    EXPECT_TRUE(std::filesystem::is_directory(file));

    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    std::ofstream(root / "Program Files") << "a file where the folder should be";
    FirstInstallation::Result blocked = FirstInstallation::Install(root);
    EXPECT_EQ(blocked.outcome, FirstInstallation::Outcome::Failed);
    EXPECT_NE(blocked.message.find("cannot make the folder"), std::string::npos) << blocked.message;
}

TEST_F(Installation, ReportsAFolderItMayNotWriteIn) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write anywhere";
    std::filesystem::path folder = FirstInstallation::DatabasePath(root).parent_path();
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    FirstInstallation::Result result = FirstInstallation::Install(root);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(result.outcome, FirstInstallation::Outcome::Failed);
    EXPECT_NE(result.message.find("cannot create the database"), std::string::npos) << result.message;
    EXPECT_FALSE(std::filesystem::exists(FirstInstallation::DatabasePath(root)));
}

// --- the device file system ----------------------------------------------

TEST(InstallDeviceFileSystem, MapsDevicePathsBelowTheRoot) {
    DeviceFileSystem::SetRoot("/tmp/device");
    EXPECT_EQ(DeviceFileSystem::Root(), "/tmp/device");
    EXPECT_EQ(DeviceFileSystem::HostPath(u"\\Program Files\\Cartavel\\Orvanemart.cdb"),
              std::filesystem::path("/tmp/device/Program Files/Cartavel/Orvanemart.cdb"));
    EXPECT_EQ(DeviceFileSystem::HostPath(u"\\..\\..\\etc\\passwd"), std::filesystem::path("/tmp/device/etc/passwd"));
    EXPECT_EQ(DeviceFileSystem::HostPath(u"\\My Documents\\가계부.txt").filename().string(), "가계부.txt");
    EXPECT_EQ(DeviceFileSystem::HostPath(u"\\"), std::filesystem::path("/tmp/device"));
}

TEST(InstallDeviceFileSystem, TheDefaultRootFollowsTheXdgDataFolder) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    std::string savedValue = saved ? saved : "";
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(DeviceFileSystem::DefaultRoot(), "/srv/data/cartavel");
    ::setenv("XDG_DATA_HOME", "relative/data", 1);  // ignored, as the XDG rules say
    std::filesystem::path home = std::getenv("HOME") ? std::getenv("HOME") : ".";
    EXPECT_EQ(DeviceFileSystem::DefaultRoot(), home / ".local" / "share" / "cartavel");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DeviceFileSystem::DefaultRoot(), home / ".local" / "share" / "cartavel");
    if (saved) ::setenv("XDG_DATA_HOME", savedValue.c_str(), 1);
}

// --- the schema, through the program's own statements ----------------------

using InstalledSchema = DatabaseTest;

CString F(LPCTSTR templateText, std::initializer_list<CString> values) {
    return CStatementBuilder::Format(templateText, values);
}

TEST_F(InstalledSchema, TakesEveryStatementTemplate) {
    auto loader = Loader();
    auto combo = Loader(kComboId);
    // Master data.
    EXPECT_TRUE(loader->Execute(F(Sql::kCategoryInsert, {u"과일"})));
    EXPECT_EQ(loader->CountRows(F(Sql::kCategoryExists, {u"과일"})), 1);
    EXPECT_TRUE(combo->FillControl(Sql::kCategoryList, u"COMBO"));
    EXPECT_TRUE(loader->ExecuteUpdate(F(Sql::kCategoryRename, {u"채소", u"과일"})));
    EXPECT_TRUE(loader->Execute(F(Sql::kProductInsert, {u"채소", u"배추"})));
    EXPECT_EQ(loader->CountRows(F(Sql::kProductExists, {u"배추"})), 1);
    EXPECT_TRUE(loader->FillControl(Sql::kProductList, u""));
    EXPECT_TRUE(combo->FillControl(F(Sql::kProductsOfCategory, {u"채소"}), u"COMBO"));
    EXPECT_TRUE(loader->ExecuteUpdate(F(Sql::kProductRename, {u"채소", u"무", u"배추"})));
    EXPECT_TRUE(loader->Execute(F(Sql::kUnitInsert, {u"개"})));
    EXPECT_EQ(loader->CountRows(F(Sql::kUnitExists, {u"개"})), 1);
    EXPECT_TRUE(combo->FillControl(Sql::kUnitList, u"COMBO"));
    EXPECT_TRUE(loader->ExecuteUpdate(F(Sql::kUnitRename, {u"봉", u"개"})));
    EXPECT_TRUE(loader->Execute(F(Sql::kStoreInsert, {u"한빛마트"})));
    EXPECT_EQ(loader->CountRows(F(Sql::kStoreExists, {u"한빛마트"})), 1);
    EXPECT_TRUE(combo->FillControl(Sql::kStoreList, u"COMBO"));
    EXPECT_TRUE(loader->ExecuteUpdate(F(Sql::kStoreRename, {u"새마트", u"한빛마트"})));
    EXPECT_EQ(owner.combo.GetCount(), 4);

    // The road of two items: plan, change, price, pay, search, statistics, undo.
    for (const char16_t* seq : {u"1", u"2"}) {
        EXPECT_TRUE(loader->Execute(F(Sql::kPlanInsert, {seq, u"채소", u"무", u"2", u"봉", u"Y", u"100"})));
    }
    EXPECT_EQ(loader->FetchFirstRow(Sql::kLastSeqNo), CString(u"2\x1F"));
    EXPECT_TRUE(loader->FillControl(Sql::kPlanList, u""));
    EXPECT_TRUE(loader->ExecuteUpdate(F(Sql::kPlanChange, {u"채소", u"무", u"3", u"봉", u"", u"0", u"2"})));
    EXPECT_EQ(loader->CountRows(F(Sql::kItemExists, {u"2"})), 1);
    EXPECT_TRUE(loader->FillControl(Sql::kShoppingList, u""));
    for (const char16_t* seq : {u"1", u"2"}) {
        EXPECT_TRUE(loader->ExecuteUpdate(
            F(Sql::kShoppingSave, {u"3", u"봉", u"1000", u"100", u"2900", u"2024-03-15", u"새마트", seq})));
    }
    EXPECT_TRUE(loader->FillControl(Sql::kPaymentNewList, u""));
    EXPECT_EQ(loader->FetchFirstRow(Sql::kLastMgrNo), CString(u"NULL\x1F"));
    for (const char16_t* seq : {u"1", u"2"}) {
        EXPECT_TRUE(loader->ExecuteUpdate(F(Sql::kPaymentSettle, {u"1", u"2024-03-15", u"새마트", seq})));
    }
    EXPECT_EQ(loader->FetchFirstRow(Sql::kLastMgrNo), CString(u"1\x1F"));
    EXPECT_EQ(loader->CountRows(F(Sql::kPaymentTripList, {u"1", u"2024-03-15"})), 2);
    EXPECT_EQ(loader->CountRows(F(Sql::kSearchMonth, {u"2024-03-01", u"2024-03-31"})), 2);
    for (LPCTSTR stats : {Sql::kStatsByDate, Sql::kStatsByProduct, Sql::kStatsByStore, Sql::kStatsByCategory}) {
        EXPECT_EQ(loader->CountRows(F(stats, {u"2024-01-01", u"2024-12-31"})), 2);
    }
    EXPECT_TRUE(loader->ExecuteUpdate(F(Sql::kPaymentUndo, {u"1"})));
    EXPECT_EQ(Rows("select SeqNo, MgrNo, PayYN, ShpAmount from ShoppingList_tbl order by SeqNo"),
              "1|0||2900\n2|0||2900\n");

    // And the deletes.
    EXPECT_TRUE(loader->Execute(F(Sql::kItemDelete, {u"2"})));
    EXPECT_TRUE(loader->Execute(F(Sql::kCategoryDelete, {u"채소"})));
    EXPECT_TRUE(loader->Execute(F(Sql::kProductDelete, {u"무"})));
    EXPECT_TRUE(loader->Execute(F(Sql::kUnitDelete, {u"봉"})));
    EXPECT_TRUE(loader->Execute(F(Sql::kStoreDelete, {u"새마트"})));
    EXPECT_EQ(Rows("select (select count(*) from Category_tbl) + (select count(*) from ProdName_tbl) + "
                   "(select count(*) from Unit_tbl) + (select count(*) from ShpStore_tbl), count(*) "
                   "from ShoppingList_tbl"),
              "0|1\n");
}

// Planned (''), bought ('' and 0), paid (trips 3 and 12) and undone (0) rows
// together: the largest trip number comes first, '' matches nothing.
TEST_F(InstalledSchema, TheEmptyTripNumberIsStoredAsNull) {
    PlanItem(1, "사과");                                                              // planned
    PlanItem(2, "배", "1,'개',500,'',0,0,500,'2024-03-02','가게','',''");             // bought
    PlanItem(3, "귤", "1,'개',700,'',0,0,700,'2024-03-02','가게',12,'Y'");            // paid, trip 12
    PlanItem(4, "감", "1,'개',300,'',0,0,300,'2024-03-01','가게',3,'Y'");             // paid, trip 3
    PlanItem(5, "밤", "1,'개',300,'',0,0,300,'2024-03-01','가게',0,''");              // undone
    PlanItem(6, "대추", "1,'개',0,'',0,0,0,'','','',''");                             // planned
    EXPECT_EQ(Rows("select SeqNo, quote(MgrNo) from ShoppingList_tbl order by MgrNo DESC, SeqNo"),
              "3|12\n4|3\n5|0\n1|NULL\n2|NULL\n6|NULL\n");
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl where MgrNo=0"), "1\n");
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl where MgrNo=''"), "0\n");
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl where MgrNo > 0"), "2\n");
    // A later '' (by hand, not by the program) goes the same way.
    Sql("update ShoppingList_tbl set MgrNo='' where SeqNo=5");
    EXPECT_EQ(Rows("select quote(MgrNo) from ShoppingList_tbl where SeqNo=5"), "NULL\n");
    Sql("update ShoppingList_tbl set MgrNo=0 where SeqNo=5");
    auto loader = Loader();
    EXPECT_EQ(loader->FetchFirstRow(Sql::kLastMgrNo), CString(u"12\x1F"));
    // What the loader shows for such a row, and the key that follows from it.
    owner.list.InsertColumn(0, u"MgrNo");
    EXPECT_TRUE(loader->FillControl(u"select MgrNo from ShoppingList_tbl where SeqNo=1", u""));
    EXPECT_EQ(owner.list.GetItemText(0, 0), CString(u"NULL"));
    Sql("delete from ShoppingList_tbl where MgrNo > 0");
    EXPECT_EQ(loader->FetchFirstRow(Sql::kLastMgrNo), CString(u"0\x1F"));
    Sql("delete from ShoppingList_tbl where MgrNo = 0");
    EXPECT_EQ(loader->FetchFirstRow(Sql::kLastMgrNo), CString(u"NULL\x1F"));
    EXPECT_EQ(_ttoi(u"NULL") + 1, 1);
}

TEST_F(InstalledSchema, NumberColumnsTakeWhole32BitNumbersOnly) {
    const char* columns[] = {"SeqNo", "ShpQty", "Price", "CuponDcAmt", "TotDcAmt", "ShpAmount", "MgrNo"};
    PlanItem(1, "사과");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(FirstInstallation::DatabasePath(root).c_str(), &db), SQLITE_OK);
    for (const char* column : columns) {
        for (const char* value : {"1.5", "'abc'", "2147483648", "-2147483649", "'1.5'", "x'00'", "NULL", "''"}) {
            if (std::string(column) == "MgrNo" && std::string(value) == "''") continue;  // becomes NULL
            if (std::string(column) == "MgrNo" && std::string(value) == "NULL") continue;  // the planned state
            std::string sql = "update ShoppingList_tbl set " + std::string(column) + "=" + value + " where SeqNo=1";
            EXPECT_NE(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        }
    }
    sqlite3_close(db);
    EXPECT_EQ(Rows("select SeqNo,ShpQty,Price,CuponDcAmt,TotDcAmt,ShpAmount,quote(MgrNo) from ShoppingList_tbl"),
              "1|2|0|0|0|0|NULL\n");
    // Digits in quotes (blanks around them too), and a real without a
    // fraction, are whole numbers, and read back as such.
    Sql("update ShoppingList_tbl set ShpQty='12', Price=3.0, TotDcAmt=' 7 ', ShpAmount=-2147483648, "
        "MgrNo=2147483647");
    EXPECT_EQ(Rows("select ShpQty, typeof(ShpQty), Price, typeof(Price), TotDcAmt, ShpAmount, MgrNo "
                   "from ShoppingList_tbl"),
              "12|integer|3|integer|7|-2147483648|2147483647\n");
    // A second row of the same SeqNo is refused.
    auto loader = Loader();
    EXPECT_FALSE(loader->Execute(F(Sql::kPlanInsert, {u"1", u"과일", u"배", u"1", u"개", u"", u"0"})));
}

} // namespace
