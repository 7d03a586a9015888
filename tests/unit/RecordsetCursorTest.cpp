// The recordset cursor's states: each call of the state table, from each
// state it names, and what the cursor stands on afterwards.

#include "tests/support/DatabaseFixture.h"

#include "platform/recordset/RecordsetCursor.h"

namespace {

using State = RecordsetCursor::State;

class Cursor : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Sql("insert into Unit_tbl values ('g'); insert into Unit_tbl values ('kg');"
            "insert into Unit_tbl values ('개')");
        ASSERT_EQ(sqlite3_open(FirstInstallation::DatabasePath(root).c_str(), &db), SQLITE_OK);
    }
    void TearDown() override {
        cursor.Close();
        sqlite3_close(db);
        DatabaseTest::TearDown();
    }
    std::u16string Text(int column) {
        VARIANT value;
        EXPECT_EQ(cursor.ReadValue(column, &value), S_OK);
        std::u16string text = value.vt == VT_BSTR ? std::u16string(value.bstrVal) : u"?";
        VariantClear(&value);
        return text;
    }

    sqlite3* db = nullptr;
    FailureReason failure;
    RecordsetCursor cursor{failure};
};

TEST_F(Cursor, ASelectOfOneTableStandsOnWritableRowsUntilTheEnd) {
    EXPECT_EQ(cursor.Where(), State::Closed);
    ASSERT_EQ(cursor.Open(db, u"select UnitName from Unit_tbl order by UnitName"), S_OK);
    EXPECT_EQ(cursor.Where(), State::WritableRow);
    ASSERT_EQ(cursor.Columns().size(), 1u);  // the rowid is hidden
    EXPECT_EQ(cursor.Columns()[0].table, "Unit_tbl");
    EXPECT_EQ(Text(0), u"g");
    for (int row = 1; row < 3; ++row) {
        ASSERT_EQ(cursor.MoveNext(), S_OK);
        EXPECT_EQ(cursor.Where(), State::WritableRow);
    }
    EXPECT_EQ(Text(0), u"개");
    ASSERT_EQ(cursor.MoveNext(), S_OK);
    EXPECT_EQ(cursor.Where(), State::AtEnd);
    EXPECT_LT(cursor.MoveNext(), 0);
    EXPECT_EQ(failure.Text(), "no row to leave");
    EXPECT_LT(cursor.TakeRestIntoMemory(), 0);
    EXPECT_EQ(cursor.Where(), State::AtEnd);
    cursor.Close();
    EXPECT_EQ(cursor.Where(), State::Closed);
    EXPECT_EQ(cursor.Columns().size(), 1u);  // a field still held keeps its column
}

TEST_F(Cursor, TheRestInMemoryIsReadFromThereToTheEnd) {
    ASSERT_EQ(cursor.Open(db, u"select UnitName from Unit_tbl order by UnitName"), S_OK);
    ASSERT_EQ(cursor.MoveNext(), S_OK);
    ASSERT_EQ(cursor.TakeRestIntoMemory(), S_OK);
    EXPECT_EQ(cursor.Where(), State::RowInMemory);
    EXPECT_EQ(Text(0), u"kg");
    ASSERT_EQ(cursor.TakeRestIntoMemory(), S_OK);  // once is enough
    EXPECT_EQ(cursor.CurrentRowInMemory().values.size(), 1u);
    // The statement is done with: the file can be written under the cursor.
    Sql("delete from Unit_tbl");
    ASSERT_EQ(cursor.MoveNext(), S_OK);
    EXPECT_EQ(cursor.Where(), State::RowInMemory);
    EXPECT_EQ(Text(0), u"개");
    ASSERT_EQ(cursor.MoveNext(), S_OK);
    EXPECT_EQ(cursor.Where(), State::AtEnd);
}

TEST_F(Cursor, RowsWithoutARowidAreReadOnly) {
    for (const char16_t* sql : {u"select UnitName from Unit_tbl order by 1", u"select distinct UnitName from Unit_tbl",
                                u"select 1", u"delete from Category_tbl"}) {
        ASSERT_EQ(cursor.Open(db, sql), S_OK) << CString(sql).ToUtf8();
        if (cursor.Where() == State::AtEnd) continue;  // the DELETE has no rows
        EXPECT_EQ(cursor.Where(), State::ReadOnlyRow);
        EXPECT_FALSE(cursor.RowsWritable());
        EXPECT_LT(cursor.TakeRestIntoMemory(), 0);
        EXPECT_EQ(failure.Text(), "these rows cannot be written");
        EXPECT_EQ(cursor.Where(), State::ReadOnlyRow);
    }
    ASSERT_EQ(cursor.Open(db, u"select UnitName from Unit_tbl where UnitName = 'none'"), S_OK);
    EXPECT_EQ(cursor.Where(), State::AtEnd);
}

TEST_F(Cursor, AFailedOpenLeavesItClosedWithTheReason) {
    ASSERT_EQ(cursor.Open(db, u"select UnitName from Unit_tbl"), S_OK);
    EXPECT_LT(cursor.Open(db, u"select Absent from Unit_tbl"), 0);
    EXPECT_EQ(cursor.Where(), State::Closed);
    EXPECT_EQ(failure.Text(), "no such column: Absent");
    EXPECT_LT(cursor.Open(db, u"select 1; select 2"), 0);
    EXPECT_EQ(cursor.Where(), State::Closed);
    EXPECT_EQ(failure.Text(), "the text holds more than one statement");
    EXPECT_LT(cursor.MoveNext(), 0);
    // A select that cannot have the rowid succeeds without it, with no reason left over.
    ASSERT_EQ(cursor.Open(db, u"select 1 + 1"), S_OK);
    EXPECT_EQ(failure.Text(), "");
}

} // namespace
