// Backups, their retention and the restore: what is kept, what is refused,
// and that a restore can itself be undone.

#include <gtest/gtest.h>

#include <sstream>

#include "desk/BackupFolder.h"
#include "desk/BackupRetention.h"
#include "desk/DeskCommand.h"
#include "desk/DeskFailure.h"
#include "desk/NotebookRestore.h"
#include "desk/OnlineBackup.h"
#include "desk/WholeFile.h"
#include "tests/support/TestDevice.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Desk(const std::filesystem::path& root, std::vector<std::string> words) {
    words.push_back("--device-root=" + root.string());
    std::ostringstream out, err;
    int status = DeskCommand::Run(words, out, err);
    return {status, out.str(), err.str()};
}

BackupName At(const std::string& stamp) {
    return *BackupName::Parse("cartavel-" + stamp + ".cdb");
}

void AddTrip(TestDevice& device, int seq, int mgr, const std::string& date, int amount) {
    device.Sql("insert into ShoppingList_tbl values (" + std::to_string(seq) + ",'과일','사과',1,'개'," +
               std::to_string(amount) + ",'',0,0," + std::to_string(amount) + ",'" + date + "','가게'," +
               std::to_string(mgr) + ",'Y')");
}

class DeskBackupTest : public ::testing::Test {
protected:
    void SetUp() override { device.Create("desk-backup"); }
    void TearDown() override { device.Remove(); }
    std::filesystem::path Notebook() const { return FirstInstallation::DatabasePath(device.Root()); }
    TestDevice device;
};

TEST(BackupRetentionTest, KeepsThreeOfTodayOneADayForFourteenDaysOneAMonthForAYear) {
    // Now: 2024-03-20 12:00:00. Each backup named with whether it stays.
    const std::vector<std::pair<std::string, bool>> backups = {
        {"20240320-115900", true},  {"20240320-110000", true},  {"20240320-100000", true},
        {"20240320-090000", false},                              // a fourth of today
        {"20240319-230000", true},  {"20240319-220000", false},  // yesterday: its last
        {"20240306-080000", true},                               // 14 days ago
        {"20240305-080000", false},                              // 15 days ago: this month has one
        {"20240229-100000", true},  {"20240201-100000", false},  // February's last
        {"20230401-100000", true},                               // 11 months back
        {"20230331-100000", false},                              // 12 months back
        {"20240321-000000", true},                               // after now: the clock went back
        {"20230101-000000-before-restore", true},                // a restore's copy
    };
    std::vector<BackupName> names;
    for (const auto& [stamp, kept] : backups) names.push_back(At(stamp));
    std::vector<BackupName> removed = BackupRetention::ToRemove(names, At("20240320-120000"));
    for (const auto& [stamp, kept] : backups) {
        bool gone = std::any_of(removed.begin(), removed.end(), [&](const BackupName& r) { return r.FileName() == At(stamp).FileName(); });
        EXPECT_EQ(gone, !kept) << stamp;
    }
    // The names read back what they were made from; others are no backup's.
    EXPECT_EQ(At("20240229-235959").Time(), "2024-02-29 23:59:59");
    for (const char* other : {"cartavel-20230229-100000.cdb", "cartavel-20240320-246000.cdb", "cartavel-20240320-1200.cdb",
                              "cartavel-20240320-120000.cdb.part-1", "x-20240320-120000.cdb"}) {
        EXPECT_FALSE(BackupName::Parse(other)) << other;
    }
}

TEST_F(DeskBackupTest, ABackupIsTheNotebookCheckedAndSummedAndAFailingOneLeavesNothing) {
    AddTrip(device, 1, 1, "2024-03-01", 1000);
    AddTrip(device, 2, 1, "2024-03-01", 500);
    AddTrip(device, 3, 2, "2024-03-09", 2500);
    device.Sql("insert into ShoppingList_tbl values (4,'유제품','우유',1,'개',0,'',0,0,0,'','','','')");
    Outcome made = Desk(device.Root(), {"backup"});
    ASSERT_EQ(made.status, 0) << made.err;
    Outcome listed = Desk(device.Root(), {"backups"});
    EXPECT_EQ(listed.out.substr(listed.out.find('\t', listed.out.find('\t') + 1)), "\t2\t4\t2024-03-09\t4000\n");
    std::vector<BackupFolder::Entry> entries = BackupFolder(device.Root()).List();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(listed.out.substr(0, listed.out.find('\t')), entries[0].file.filename().string());
    // One file, readable alone: no log beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(entries[0].file.parent_path()), {}), 1);

    std::filesystem::path named = device.Root() / "copy.cdb";
    EXPECT_EQ(Desk(device.Root(), {"backup", named.string()}).status, 0);
    Outcome twice = Desk(device.Root(), {"backup", named.string()});
    EXPECT_EQ(twice.status, 1);
    EXPECT_NE(twice.err.find(named.string()), std::string::npos);

    // A notebook without its layout gives no backup.
    device.Sql("alter table Unit_tbl rename to Units");
    std::filesystem::path broken = device.Root() / "broken.cdb";
    EXPECT_THROW(OnlineBackup(Notebook(), broken).Run(), DeskFailure);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(device.Root()), {}), 3);  // folders and copy.cdb
}

TEST_F(DeskBackupTest, RestoreBringsTheBackupBackKeepsTheNotebookBeforeAndRefusesWhatFailsTheCheck) {
    AddTrip(device, 1, 1, "2024-03-01", 1000);
    BackupFolder folder(device.Root());
    std::filesystem::path backup = folder.BackUpNow(1710000000);
    AddTrip(device, 2, 2, "2024-03-05", 700);
    AddTrip(device, 3, 3, "2024-03-06", 300);
    device.Sql("update ShoppingList_tbl set Price = 999 where SeqNo = 1");

    NotebookRestore::Preview preview = NotebookRestore::Look(folder, backup);
    EXPECT_EQ(preview.backup.trips, 1);
    EXPECT_EQ(preview.now.trips, 3);
    EXPECT_EQ(preview.now.lastTripDate, "2024-03-06");
    EXPECT_EQ(preview.tripsLost, 2);
    EXPECT_EQ(preview.itemsLost, 3);  // two new, one changed
    EXPECT_EQ(preview.itemsBack, 1);  // the one as it was
    EXPECT_EQ(preview.tripsBack, 0);

    // Files that are no notebook are refused and nothing changes.
    std::string rows = device.Rows("select * from ShoppingList_tbl");
    std::filesystem::path notDatabase = device.Root() / "text.cdb";
    WholeFile::Write(notDatabase, "this is not a database, only some text of about forty bytes or more");
    std::filesystem::path lacking = device.Root() / "lacking.cdb";
    {
        TestDevice other;
        other.Create("desk-backup-lacking");
        other.Sql("drop index ShoppingList_Unpaid; drop index ShoppingList_Paid; drop index ShoppingList_PaidPrice; "
                  "alter table ShoppingList_tbl drop column PayYN");
        std::filesystem::copy_file(FirstInstallation::DatabasePath(other.Root()), lacking);
        other.Remove();
    }
    for (const auto& refused : {notDatabase, lacking, device.Root() / "missing.cdb"}) {
        Outcome outcome = Desk(device.Root(), {"restore", refused.string()});
        EXPECT_EQ(outcome.status, 1) << refused;
        EXPECT_NE(outcome.err.find(refused.string()), std::string::npos) << outcome.err;
        EXPECT_EQ(device.Rows("select * from ShoppingList_tbl"), rows);
    }
    EXPECT_EQ(folder.List().size(), 1u);

    Outcome restored = Desk(device.Root(), {"restore", backup.filename().string()});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(device.Rows("select SeqNo, Price from ShoppingList_tbl"), "1|1000\n");
    EXPECT_EQ(device.Rows("pragma journal_mode"), "wal\n");
    // The copy kept before undoes the restore.
    std::vector<BackupFolder::Entry> entries = folder.List();
    ASSERT_EQ(entries.size(), 2u);
    std::filesystem::path before = entries[1].name.beforeRestore ? entries[1].file : entries[0].file;
    EXPECT_NE(restored.out.find(before.string()), std::string::npos);
    ASSERT_EQ(Desk(device.Root(), {"restore", before.string()}).status, 0);
    EXPECT_EQ(device.Rows("select * from ShoppingList_tbl"), rows);
}

} // namespace
