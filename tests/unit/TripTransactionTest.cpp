// What the loader keeps, exactly: texts of any code point through both
// write paths, no separator smuggled in by an INSERT, and transactions that
// keep all of their statements or none, and hold the file against another
// program until they end.

#include "tests/support/DatabaseFixture.h"

#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "platform/shell/TextEncoding.h"

namespace {

using LoaderKeeps = DatabaseTest;

// The bytes stored, as hex() writes them.
std::string Hex(const std::string& bytes) {
    std::string out;
    for (unsigned char b : bytes) out += "0123456789ABCDEF"[b >> 4], out += "0123456789ABCDEF"[b & 15];
    return out;
}

// The stored units, as the program reads them back.
std::vector<CString> ComboEntries(CComboBox& combo) {
    std::vector<CString> entries;
    for (int i = 0; i < combo.GetCount(); ++i) entries.push_back(combo.GetLBText(i));
    return entries;
}

TEST_F(LoaderKeeps, EveryTextExactlyThroughInsertAndUpdate) {
    // Texts SQLite's UTF-16 calls change: a leading U+FEFF or U+FFFE taken
    // for a byte-order mark, U+FFFE and U+FFFF read back as U+FFFD; and
    // others that a careless path would change.
    const std::u16string hostile[] = {
        u"\uFEFFAB", u"\uFFFEAB", u"A\uFFFF", u"\uFFFE", u"\uFFFF\uFEFF", u"\U0001F600\uAC00",
        u"A'B''", u" lead and trail ", u"tab\tline\nfeed\r", u"\u0001\u007F", u"\uFFFD",
    };
    for (const std::u16string& text : hostile) {
        SCOPED_TRACE(TextEncoding::ToUtf8(text));
        Sql("delete from Unit_tbl");
        auto loader = Loader(kComboId);
        ASSERT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kUnitInsert, {CString(text)})));
        owner.combo.ResetContent();
        ASSERT_TRUE(loader->FillControl(Sql::kUnitList, u"COMBO"));
        EXPECT_EQ(ComboEntries(owner.combo), std::vector<CString>{CString(text)});

        // Renamed through the UPDATE emulation's write-back, and found again
        // by its own name in the condition.
        std::u16string renamed = text + u"\uFEFF";
        ASSERT_TRUE(loader->ExecuteUpdate(
            CStatementBuilder::Format(Sql::kUnitRename, {CString(u"\uFFFE" + renamed), CString(text)})));
        owner.combo.ResetContent();
        ASSERT_TRUE(loader->FillControl(Sql::kUnitList, u"COMBO"));
        EXPECT_EQ(ComboEntries(owner.combo), std::vector<CString>{CString(u"\uFFFE" + renamed)});
        EXPECT_EQ(Rows("select " + device.HexOf("UnitName") + " from Unit_tbl"), Hex(TextEncoding::ToUtf8(u"\uFFFE" + renamed)) + "\n");
    }
}

TEST_F(LoaderKeeps, NoSeparatorInAStoredValueButOldNamesAreStillFound) {
    auto loader = Loader();
    for (const char16_t* name : {u"A\x1D" u"B", u"A\x1F" u"B", u"\x1D"}) {
        EXPECT_FALSE(loader->Execute(CStatementBuilder::Format(Sql::kStoreInsert, {CString(name)})));
        EXPECT_FALSE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kStoreRename, {CString(name), u"x"})));
    }
    EXPECT_EQ(Rows("select count(*) from ShpStore_tbl"), "0\n");

    // A name an older file holds is still found by a condition, and deleted.
    Sql("insert into ShpStore_tbl values ('\x1D'); insert into ShpStore_tbl values ('한빛')");
    EXPECT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kStoreDelete, {u"\x1D"})));
    EXPECT_EQ(Rows("select StoreName from ShpStore_tbl"), "한빛\n");
}

TEST_F(LoaderKeeps, AllOfATransactionOrNone) {
    auto insert = [](int seq) {
        return CStatementBuilder::Format(Sql::kPlanInsert, {CString::Formatted(u"%d", seq), u"과일", u"배", u"1", u"개",
                                                            u"", u"0"});
    };
    {
        auto loader = Loader();
        ASSERT_TRUE(loader->BeginTrans());
        EXPECT_TRUE(loader->Execute(insert(1)));
        EXPECT_TRUE(loader->ExecuteUpdate(u"UPDATE ShoppingList_tbl SET ShpQty=5 WHERE SeqNo=1"));
        EXPECT_EQ(_ttoi(loader->FetchFirstRow(u"select ShpQty from ShoppingList_tbl")), 5);
        EXPECT_TRUE(loader->RollbackTrans());
        EXPECT_FALSE(loader->RollbackTrans());  // none is open any more
    }
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl"), "0\n");
    {
        auto loader = Loader();
        ASSERT_TRUE(loader->BeginTrans());
        EXPECT_TRUE(loader->Execute(insert(1)));
        // Deleted with its transaction open: nothing of it is kept.
    }
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl"), "0\n");
    {
        auto loader = Loader();
        ASSERT_TRUE(loader->BeginTrans());
        EXPECT_FALSE(loader->BeginTrans());  // no nesting
        EXPECT_TRUE(loader->Execute(insert(1)));
        EXPECT_TRUE(loader->Execute(insert(2)));
        EXPECT_TRUE(loader->CommitTrans());
    }
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl"), "2\n");
}

TEST_F(LoaderKeeps, ATransactionHoldsTheFileAgainstAnotherProgram) {
    auto first = Loader();
    ASSERT_TRUE(first->BeginTrans());
    ASSERT_TRUE(first->Execute(u"insert into Unit_tbl (UnitName) values ('개')"));
    // Another program reads what was committed, but cannot begin a
    // transaction of its own (after waiting a while) until the first ends.
    auto second = Loader();
    EXPECT_EQ(second->CountRows(Sql::kUnitList), 0);
    EXPECT_FALSE(second->LastFailed());
    EXPECT_FALSE(second->BeginTrans());
    ASSERT_TRUE(first->CommitTrans());
    EXPECT_TRUE(second->BeginTrans());
    EXPECT_EQ(second->CountRows(Sql::kUnitList), 1);
    EXPECT_TRUE(second->CommitTrans());
}

} // namespace
