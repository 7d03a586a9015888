// How the installed file is kept: a write-ahead log synced at every commit,
// and an index of the unpaid rows by product that the plan, the shopping list
// and the payment list read instead of sorting the whole history. A file from
// an older installation (rollback journal, no such index) must show the very
// same lists.

#include "tests/support/DatabaseFixture.h"

#include "data/CStatementBuilder.h"
#include "data/Statements.h"

namespace {

class StorageSetup : public DatabaseTest {
protected:
    // Twelve items: planned, bought, paid in two trips, a payment undone, and
    // products that share a name, so that ties in the product order show.
    void FillItems() {
        const char* rows[] = {
            "1,'과일','사과',1,'개',0,'',0,0,0,'','','',''",
            "2,'과일','배',2,'개',900,'',0,0,1800,'2024-03-02','한빛마트','',''",
            "3,'과일','사과',3,'개',500,'',0,0,1500,'2024-03-01','한빛마트',1,'Y'",
            "4,'채소','무',1,'개',700,'',0,0,700,'2024-03-01','한빛마트',1,'Y'",
            "5,'채소','당근',4,'개',0,'',0,0,0,'','','',''",
            "6,'과일','사과',2,'개',600,'Y',100,100,1100,'2024-03-02','새벽시장',0,''",
            "7,'채소','무',5,'개',300,'',0,0,1500,'2024-03-05','새벽시장',2,'Y'",
            "8,'과일','귤',9,'개',0,'',0,0,0,'','','',''",
            "9,'과일','배',1,'개',800,'',0,0,800,'2024-03-05','새벽시장',2,'Y'",
            "10,'채소','당근',1,'개',400,'',0,0,400,'2024-03-06','한빛마트','',''",
            "11,'과일','사과',1,'개',0,'',0,0,0,'','','',''",
            "12,'과일','귤',3,'개',200,'',0,0,600,'2024-03-06','한빛마트','',''",
        };
        for (const char* row : rows) {
            Sql(std::string("insert into ShoppingList_tbl values (") + row + ")");
        }
    }

    // The three unpaid lists as the loader fills them, one text.
    std::string UnpaidLists() {
        std::string out;
        const std::pair<const char16_t*, int> lists[] = {
            {Sql::kPlanList, 7}, {Sql::kShoppingList, 12}, {Sql::kPaymentNewList, 5}};
        for (const auto& [statement, columns] : lists) {
            owner.list.DeleteAllItems();
            while (owner.list.GetColumnCount() > 0) owner.list.DeleteColumn(0);
            for (int c = 0; c < columns; ++c) owner.list.InsertColumn(c, u"", LVCFMT_LEFT, 10);
            EXPECT_TRUE(Loader()->FillControl(statement, u""));
            for (int row = 0; row < owner.list.GetItemCount(); ++row) out += ListRow(row) + "\n";
            out += "--\n";
        }
        return out;
    }

    std::string Plan(const std::string& sql) { return Rows("explain query plan " + sql); }

    void MakeItAnOlderFile() {
        Sql("DROP INDEX ShoppingList_Unpaid");
        Sql("PRAGMA journal_mode=DELETE");
    }

    bool Run(const CString& update) { return Loader()->ExecuteUpdate(update) == TRUE; }
};

TEST_F(StorageSetup, TheFileKeepsAWriteAheadLogAndEveryConnectionSyncsEachCommit) {
    EXPECT_EQ(Rows("PRAGMA journal_mode"), "wal\n");
    // What the program's own connection does: FULL (2) syncs the log at every
    // commit, so a payment the program was told is stored survives a crash.
    EXPECT_EQ(Loader()->FetchFirstRow(u"select * from pragma_synchronous"), CString(u"2\x1F"));
    EXPECT_EQ(Loader()->FetchFirstRow(u"select * from pragma_journal_mode"), CString(u"wal\x1F"));
}

TEST_F(StorageSetup, TheUnpaidListsReadTheUnpaidIndexInProductOrderWithoutASort) {
    for (const char16_t* statement : {Sql::kPlanList, Sql::kShoppingList, Sql::kPaymentNewList}) {
        std::string plan = Plan(CString(statement).ToUtf8());
        EXPECT_NE(plan.find("USING INDEX ShoppingList_Unpaid"), std::string::npos) << plan;
        EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
    }
}

TEST_F(StorageSetup, APeriodsPaidRowsAreReadFromThePaidIndexAloneAndAProductsFromItsOwn) {
    for (const char16_t* statement : {Sql::kStatsByCategory, Sql::kStatsByStore, Sql::kStatsByDate, Sql::kStatsByProduct}) {
        std::string plan = Plan(CStatementBuilder::Format(statement, {u"2024-01-01", u"2024-12-31"}).ToUtf8());
        EXPECT_NE(plan.find("USING COVERING INDEX ShoppingList_Paid "), std::string::npos) << plan;
    }
    std::string plan = Plan("select ShpDate, StoreName, MgrNo, Price, ShpQty from ShoppingList_tbl where ProdName = 'a' and "
                            "UnitName = 'b' and ShpDate >= '0' and ShpDate <= '9' and ShpAmount > 0 and PayYN = 'Y'");
    EXPECT_NE(plan.find("USING INDEX ShoppingList_PaidPrice"), std::string::npos) << plan;
}

TEST_F(StorageSetup, PaidRowsLeaveTheListsAndAnUndonePaymentBringsThemBack) {
    FillItems();
    std::string before = UnpaidLists();
    EXPECT_EQ(before.substr(0, before.find("--")),
              "8|과일|귤|9|개|0|\n12|과일|귤|3|개|0|\n5|채소|당근|4|개|0|\n10|채소|당근|1|개|0|\n"
              "2|과일|배|2|개|0|\n1|과일|사과|1|개|0|\n6|과일|사과|2|개|100|Y\n11|과일|사과|1|개|0|\n");

    ASSERT_TRUE(Run(CStatementBuilder::Format(Sql::kPaymentSettle, {u"3", u"2024-03-07", u"한빛마트", u"6"})));
    ASSERT_TRUE(Run(CStatementBuilder::Format(Sql::kPaymentSettle, {u"3", u"2024-03-07", u"한빛마트", u"12"})));
    std::string paid = UnpaidLists();
    EXPECT_EQ(paid.find("\n6|"), std::string::npos);
    EXPECT_EQ(paid.find("\n12|"), std::string::npos);
    EXPECT_EQ(paid.substr(0, 2), "8|");

    ASSERT_TRUE(Run(CStatementBuilder::Format(Sql::kPaymentUndo, {u"3"})));
    ASSERT_TRUE(Run(CStatementBuilder::Format(Sql::kPaymentUndo, {u"1"})));
    std::string undone = UnpaidLists();
    EXPECT_NE(undone.find("\n3|과일|사과|3|개|0|\n"), std::string::npos) << undone;
    EXPECT_NE(undone.find("\n12|과일|귤|3|개|0|\n"), std::string::npos) << undone;
    EXPECT_EQ(Rows("PRAGMA integrity_check"), "ok\n");

    // The same rows in a file without the index: the same lists, ties included.
    MakeItAnOlderFile();
    EXPECT_EQ(UnpaidLists(), undone);
}

TEST_F(StorageSetup, AnOlderFileWorksAsBeforeAndKeepsItsJournal) {
    MakeItAnOlderFile();
    FillItems();
    std::string lists = UnpaidLists();
    ASSERT_TRUE(Run(CStatementBuilder::Format(Sql::kPaymentSettle, {u"3", u"2024-03-07", u"한빛마트", u"2"})));
    EXPECT_EQ(Rows("select MgrNo, PayYN from ShoppingList_tbl where SeqNo = 2"), "3|Y\n");
    EXPECT_EQ(Rows("PRAGMA journal_mode"), "delete\n");
    EXPECT_EQ(Rows("select count(*) from sqlite_master where name = 'ShoppingList_Unpaid'"), "0\n");
    EXPECT_NE(lists.find("\n2|과일|배|2|개|0|\n"), std::string::npos) << lists;
}

} // namespace
