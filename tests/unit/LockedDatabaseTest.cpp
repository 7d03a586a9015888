// Another program holding the database file: every query fails, none is
// taken for "no rows", and no dialog writes on a decision it could not make.

#include <chrono>

#include "tests/support/DatabaseFixture.h"
#include "StepDriver.h"

#include "data/Statements.h"
#include "dialogs/CBasicInfoDlg.h"
#include "dialogs/CPlanDlg.h"
#include "platform/framework/DialogInput.h"
#include "res/resource.h"

namespace {

class LockedDatabase : public DatabaseTest {
protected:
    void TearDown() override {
        Unlock();
        DatabaseTest::TearDown();
    }

    // A second connection takes the file for itself, as a backup tool or a
    // second copy of the program might. On a write-ahead log an exclusive
    // transaction still lets others read, so the holder takes the whole file
    // in exclusive locking mode; a write makes it take the lock at once.
    void Lock() {
        ASSERT_EQ(sqlite3_open(FirstInstallation::DatabasePath(root).c_str(), &holder), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; "
                                       "insert into Unit_tbl values ('잠금'); delete from Unit_tbl where UnitName = '잠금'",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
    }
    void Unlock() {
        if (!holder) return;
        sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
        holder = nullptr;
    }

    std::vector<std::string> Notices() {
        std::vector<std::string> texts;
        for (const ShownMessageBox& box : driver.Screen().MessageBoxes()) texts.push_back(box.request.text.ToUtf8());
        return texts;
    }

    sqlite3* holder = nullptr;
    StepDriver driver;
};

using Clock = std::chrono::steady_clock;

TEST_F(LockedDatabase, EveryQueryFailsAfterOneWait) {
    Sql("insert into Unit_tbl values ('g')");
    PlanItem(4, "사과");
    Lock();
    auto loader = Loader();
    auto started = Clock::now();
    EXPECT_EQ(loader->CountRows(Sql::kUnitList), 0);
    EXPECT_TRUE(loader->LastFailed());
    // One wait for the lock (2 s), not one for each way of asking (4 s).
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(3900));
    EXPECT_FALSE(loader->FillControl(Sql::kUnitList, u""));
    EXPECT_TRUE(loader->LastFailed());
    EXPECT_EQ(owner.list.GetItemCount(), 0);
    EXPECT_TRUE(loader->FetchFirstRow(Sql::kLastSeqNo).IsEmpty());
    EXPECT_TRUE(loader->LastFailed());
    const std::string locked = "statement failed: database is locked";
    EXPECT_EQ(driver.Transcript(), (std::vector<std::string>{locked, locked, locked}));
    Unlock();
    EXPECT_EQ(loader->FetchFirstRow(Sql::kLastSeqNo), CString(u"4\x1F"));
    EXPECT_FALSE(loader->LastFailed());
    EXPECT_EQ(loader->CountRows(u"select * from Unit_tbl WHERE UnitName='kg'"), 0);
    EXPECT_FALSE(loader->LastFailed());
    EXPECT_EQ(driver.Transcript().size(), 3u);  // a statement that runs leaves no line
}

TEST_F(LockedDatabase, BasicInformationNeitherSavesNorDeletesUnseen) {
    Sql("insert into Category_tbl values ('과일')");
    CBasicInfoDlg dlg;
    driver.Then([this](CDialog& d) {
        DialogInput::TypeText(d, IDC_BI_EDIT_NAME, u"과일");
        Lock();
        DialogInput::ClickButton(d, IDC_BI_BTN_SAVE);
        driver.Screen().QueueAnswer(IDYES);
        DialogInput::TypeText(d, IDC_BI_EDIT_NAME, u"과일");
        DialogInput::ClickButton(d, IDC_BI_BTN_DELETE);
        Unlock();
    });
    driver.Run(dlg);
    EXPECT_EQ(Notices(), (std::vector<std::string>{"처리오류", "정말 삭제하시겠습니까?", "처리오류"}));
    EXPECT_EQ(Rows("select CategoryName from Category_tbl"), "과일\n");
}

TEST_F(LockedDatabase, PlanAddsNoItemWithoutKnowingTheLastKey) {
    Sql("insert into Category_tbl values ('과일')");
    CPlanDlg dlg;
    driver.Then([this](CDialog& d) {
        DialogInput::TypeText(d, IDC_PL_COMBO_CATEGORY, u"과일");
        DialogInput::TypeText(d, IDC_PL_COMBO_PRODUCT, u"사과");
        Lock();
        DialogInput::ClickButton(d, IDC_PL_BTN_SAVE);
        Unlock();
    });
    driver.Run(dlg);
    EXPECT_EQ(Notices(), (std::vector<std::string>{"처리오류"}));
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl"), "0\n");
}

} // namespace
