// The UPDATE emulation: reading the statement, and writing its rows.

#include "tests/support/DatabaseFixture.h"

#include "data/CStatementBuilder.h"
#include "data/CUpdateStatement.h"
#include "data/Statements.h"

namespace {

std::string Visible(const CString& text) {
    std::string out = text.ToUtf8();
    std::string shown;
    for (char c : out) {
        if (c == '\x1D') shown += "<GS>";
        else if (c == '\x1F') shown += "<US>";
        else shown += c;
    }
    return shown;
}

TEST(UpdateStatementText, NormalisesIntoTokensAndKeepsTheCondition) {
    CString normal = CUpdateStatement::Normalise(u"UPDATE Unit_tbl SET UnitName='kg' WHERE UnitName='g'");
    EXPECT_EQ(Visible(normal), "UPDATE<GS>Unit_tbl<GS>SET<GS>UnitName<US>kg<GS>WHERE<GS>UnitName='g' ");
    CUpdateStatement update;
    ASSERT_TRUE(update.Parse(u"UPDATE Unit_tbl SET UnitName='kg' WHERE UnitName='g'"));
    EXPECT_EQ(update.SelectText().ToUtf8(), "SELECT UnitName FROM  Unit_tbl WHERE UnitName='g'");
}

TEST(UpdateStatementText, ReadsNamesAndValuesPairwise) {
    CUpdateStatement update;
    ASSERT_TRUE(update.Parse(u"UPDATE ShoppingList_tbl SET MgrNo=0,PayYN='' WHERE MgrNo=7"));
    ASSERT_EQ(update.Names().size(), 2u);
    EXPECT_EQ(update.Names()[0], CString(u"MgrNo"));
    EXPECT_EQ(update.Values()[0], CString(u"0"));
    EXPECT_EQ(update.Names()[1], CString(u"PayYN"));
    EXPECT_TRUE(update.Values()[1].IsEmpty());
    EXPECT_EQ(update.SelectText().ToUtf8(), "SELECT MgrNo,PayYN FROM  ShoppingList_tbl WHERE MgrNo=7");
}

TEST(UpdateStatementText, QuotedValuesKeepBlanksCommasEqualsAndDoubledQuotes) {
    CUpdateStatement update;
    ASSERT_TRUE(update.Parse(CString::FromUtf8(
        "UPDATE   ShpStore_tbl   SET   StoreName='한빛 마트, 본점 = 1층 Kim''s' WHERE StoreName='x''y'")));
    ASSERT_EQ(update.Values().size(), 1u);
    EXPECT_EQ(update.Values()[0].ToUtf8(), "한빛 마트, 본점 = 1층 Kim's");
    EXPECT_EQ(update.SelectText().ToUtf8(), "SELECT StoreName FROM  ShpStore_tbl WHERE StoreName='x''y'");
}

TEST(UpdateStatementText, RefusesOtherShapes) {
    CUpdateStatement update;
    EXPECT_FALSE(update.Parse(u"insert into Unit_tbl (UnitName) values ('g')"));
    EXPECT_FALSE(update.Parse(u"UPDATE Unit_tbl WHERE UnitName='g'"));
    EXPECT_FALSE(update.Parse(u"update Unit_tbl set UnitName='g'"));
}

using ExecuteUpdate = DatabaseTest;

TEST_F(ExecuteUpdate, RenamesEveryRowOfTheName) {
    Sql("insert into Unit_tbl values ('g'); insert into Unit_tbl values ('g'); insert into Unit_tbl values ('ml')");
    auto loader = Loader();
    EXPECT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kUnitRename, {u"kg", u"g"})));
    EXPECT_EQ(Rows("select UnitName from Unit_tbl order by UnitName"), "kg\nkg\nml\n");
    EXPECT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kUnitRename, {u"l", u"없음"})));
    EXPECT_EQ(Rows("select count(*) from Unit_tbl where UnitName='l'"), "0\n");
}

TEST_F(ExecuteUpdate, PaysAndUndoesAWholeTrip) {
    PlanItem(1, "사과", "1,'개',1000,'',0,0,1000,'2024-03-01','가게',NULL,''");
    PlanItem(2, "배", "1,'개',2500,'',0,0,2500,'2024-03-01','가게',NULL,''");
    PlanItem(3, "귤", "1,'개',300,'',0,0,300,'2024-03-01','가게',NULL,''");
    auto loader = Loader();
    for (const char16_t* seq : {u"1", u"2", u"3"}) {
        ASSERT_TRUE(loader->ExecuteUpdate(
            CStatementBuilder::Format(Sql::kPaymentSettle, {u"4", u"2024-03-05", u"한빛 마트", seq})));
    }
    EXPECT_EQ(Rows("select MgrNo,PayYN,ShpDate,StoreName," + KindOf("MgrNo") + " from ShoppingList_tbl where SeqNo=2"),
              "4|Y|2024-03-05|한빛 마트|integer\n");
    EXPECT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kPaymentUndo, {u"4"})));
    EXPECT_EQ(Rows("select MgrNo, PayYN, count(*) from ShoppingList_tbl group by MgrNo, PayYN"), "0||3\n");
    // An empty trip number makes a malformed condition: the update fails.
    EXPECT_FALSE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kPaymentUndo, {u""})));
}

TEST_F(ExecuteUpdate, AValueThatIsNoWholeNumberChangesNothing) {
    PlanItem(1, "사과");
    PlanItem(2, "배");
    auto loader = Loader();
    for (const char16_t* qty : {u"abc", u"1.5", u"3000000000", u"2x"}) {
        EXPECT_FALSE(loader->ExecuteUpdate(CStatementBuilder::Format(
            Sql::kPlanChange, {u"채소", u"무", qty, u"개", u"Y", u"0", u"1"})))
            << CString(qty).ToUtf8();
        EXPECT_FALSE(loader->ExecuteUpdate(u"UPDATE ShoppingList_tbl SET ProdName='무',ShpQty=" + CString(qty) +
                                           u" WHERE SeqNo>0"));
    }
    EXPECT_EQ(Rows("select ProdName, ShpQty from ShoppingList_tbl order by SeqNo"), "사과|2\n배|2\n");
    EXPECT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(
        Sql::kPlanChange, {u"채소", u"무", u" 7 ", u"개", u"Y", u"-100", u"2"})));
    EXPECT_EQ(Rows("select ProdName, ShpQty, CuponDcAmt, " + KindOf("ShpQty") + " from ShoppingList_tbl where SeqNo=2"),
              "무|7|-100|integer\n");
}

TEST_F(ExecuteUpdate, NumberColumnsRefuseWhatWouldNotReadBackTheSame) {
    auto loader = Loader();
    auto insert = [&](const char16_t* qty) {
        return loader->Execute(CStatementBuilder::Format(Sql::kPlanInsert, {u"1", u"a", u"b", qty, u"g", u"", u"0"}));
    };
    EXPECT_FALSE(insert(u"1.5"));
    EXPECT_FALSE(insert(u"2147483648"));
    EXPECT_FALSE(insert(u"abc"));
    EXPECT_FALSE(insert(u""));
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl"), "0\n");
    EXPECT_TRUE(insert(u"-2147483648"));
}

TEST_F(ExecuteUpdate, NamesWithQuotesAreStoredAndFoundAsTyped) {
    auto loader = Loader();
    const CString names[] = {u"Kim's", u"", u"x' or '1'='1", CString::FromUtf8("김씨'네 가게"),
                             CString::FromUtf8("한빛, 마트 = 본점")};
    for (const CString& name : names) {
        ASSERT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kStoreInsert, {name}))) << name.ToUtf8();
        EXPECT_EQ(loader->CountRows(CStatementBuilder::Format(Sql::kStoreExists, {name})), 1) << name.ToUtf8();
    }
    Sql("insert into ShpStore_tbl values ('other')");
    // The crafted name widens nothing: only its own row goes.
    ASSERT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kStoreDelete, {u"x' or '1'='1"})));
    EXPECT_EQ(Rows("select count(*) from ShpStore_tbl"), "5\n");
    ASSERT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kStoreRename, {u"Lee's", u"Kim's"})));
    ASSERT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(
        Sql::kStoreRename, {CString::FromUtf8("새 이름's, = x"), CString::FromUtf8("김씨'네 가게")})));
    EXPECT_EQ(Rows("select StoreName from ShpStore_tbl order by StoreName"),
              "\nLee's\nother\n새 이름's, = x\n한빛, 마트 = 본점\n");
}

TEST(UpdateStatementText, AWhereInsideQuotesIsPartOfTheValue) {
    CUpdateStatement update;
    ASSERT_TRUE(update.Parse(u"UPDATE ShpStore_tbl SET StoreName='A WHERE B=1, C' WHERE StoreName='x'"));
    ASSERT_EQ(update.Values().size(), 1u);
    EXPECT_EQ(update.Values()[0].ToUtf8(), "A WHERE B=1, C");
    EXPECT_EQ(update.SelectText().ToUtf8(), "SELECT StoreName FROM  ShpStore_tbl WHERE StoreName='x'");
}

TEST(UpdateStatementText, QuotesAloneAndAtTheEndsOfValues) {
    CUpdateStatement update;
    // The values ', 'a and b' as the builder writes them.
    ASSERT_TRUE(update.Parse(CStatementBuilder::Format(u"UPDATE T SET A='%s',B='%s',C='%s' WHERE D='%s'",
                                                       {u"'", u"'a", u"b'", u"''"})));
    ASSERT_EQ(update.Values().size(), 3u);
    EXPECT_EQ(update.Values()[0].ToUtf8(), "'");
    EXPECT_EQ(update.Values()[1].ToUtf8(), "'a");
    EXPECT_EQ(update.Values()[2].ToUtf8(), "b'");
    EXPECT_EQ(update.SelectText().ToUtf8(), "SELECT A,B,C FROM  T WHERE D=''''''");
}

TEST_F(ExecuteUpdate, ACraftedNameInTheConditionChangesOnlyItsOwnRow) {
    Sql("insert into ProdName_tbl values ('과일','사과'); insert into ProdName_tbl values ('과일','x'' or ''1''=''1')");
    auto loader = Loader();
    ASSERT_TRUE(loader->ExecuteUpdate(
        CStatementBuilder::Format(Sql::kProductRename, {u"채소", u"무", u"x' or '1'='1"})));
    EXPECT_EQ(Rows("select CategoryName, ProdName from ProdName_tbl order by CategoryName"), "과일|사과\n채소|무\n");
    ASSERT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kProductDelete, {u"x' or '1'='1"})));
    EXPECT_EQ(Rows("select count(*) from ProdName_tbl"), "2\n");
}

// A row the database refuses (here a check of the test's own table) is a
// failed update: none of that row's fields are stored, and no later row is
// touched.
TEST_F(ExecuteUpdate, ARowTheDatabaseRefusesFailsTheUpdateAndStaysWhole) {
    Sql("create table Checked (Name TEXT, Code TEXT CHECK (Code <> 'bad'), Seq INTEGER);"
        "insert into Checked values ('old', 'ok', 1); insert into Checked values ('old', 'ok', 2)");
    auto loader = Loader();
    EXPECT_FALSE(loader->ExecuteUpdate(u"UPDATE Checked SET Name='new',Code='bad' WHERE Name='old'"));
    EXPECT_EQ(Rows("select Name, Code from Checked order by Seq"), "old|ok\nold|ok\n");
    EXPECT_TRUE(loader->ExecuteUpdate(u"UPDATE Checked SET Name='new',Code='fine' WHERE Seq=2"));
    EXPECT_EQ(Rows("select Name, Code from Checked order by Seq"), "old|ok\nnew|fine\n");
}

TEST_F(ExecuteUpdate, WritesEachValueAsItsColumnsKind) {
    Sql("create table Kinds (Small SMALLINT, Whole INTEGER, Real REAL, Text TEXT, Key INTEGER)");
    Sql("insert into Kinds values (0, 0, 0, '', 1)");
    auto loader = Loader();
    ASSERT_TRUE(loader->ExecuteUpdate(u"UPDATE Kinds SET Small=-5,Whole=70000,Real=3.25,Text='0012' WHERE Key=1"));
    EXPECT_EQ(Rows("select Small, " + KindOf("Small") + ", Whole, Real, " + KindOf("Real") + ", Text, " + KindOf("Text") +
                   " from Kinds"),
              "-5|integer|70000|3.25|real|0012|text\n");
    EXPECT_FALSE(loader->ExecuteUpdate(u"UPDATE Kinds SET Text='x',Real=abc WHERE Key=1"));
    EXPECT_EQ(Rows("select Text from Kinds"), "0012\n");
}

// A barcode scanner sends U+001D; typed into a name it must never become a
// separator of the emulation, which would let the value split into further
// assignments ("PayYN=Y") or a condition of its own ("WHERE 1=1").
TEST_F(ExecuteUpdate, RefusesValuesHoldingItsSeparatorsAndChangesNothing) {
    Sql("insert into Category_tbl values ('과일'); insert into Category_tbl values ('채소')");
    PlanItem(1, "사과");
    Sql("insert into ShoppingList_tbl values (2,'과일','배',1,'개',900,'',0,0,900,'2024-03-05','마트',7,'Y')");
    const std::string before = Rows("select * from ShoppingList_tbl order by SeqNo") +
                               Rows("select * from Category_tbl order by CategoryName");
    auto loader = Loader();
    const CString smuggled[] = {
        CString(u"x\x1DWHERE\x1D" u"1=1 --"),
        CString::FromUtf8("과일") + u"\x1DShpAmount\x1F" + u"0\x1DPayYN\x1F\x1DWHERE\x1D" u"1=1 --",
        CString::FromUtf8("개") + u"\x1DPayYN\x1FY\x1DMgrNo\x1F" + u"7",
        CString::FromUtf8("과일") + u"\x1D",
        CString(u"a\x1F" u"b"),
    };
    for (const CString& value : smuggled) {
        EXPECT_FALSE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kCategoryRename, {value, u"과일"})));
        EXPECT_FALSE(loader->ExecuteUpdate(
            CStatementBuilder::Format(Sql::kPlanChange, {value, u"사과", u"1", u"개", u"", u"0", u"1"})));
        EXPECT_FALSE(loader->ExecuteUpdate(
            CStatementBuilder::Format(Sql::kPlanChange, {u"과일", u"사과", u"1", value, u"", u"0", u"1"})));
        EXPECT_TRUE(loader->LastFailed());
    }
    EXPECT_EQ(Rows("select * from ShoppingList_tbl order by SeqNo") +
                  Rows("select * from Category_tbl order by CategoryName"),
              before);
}

TEST_F(ExecuteUpdate, ANameHoldingASeparatorCanBeRenamedToACleanOne) {
    auto loader = Loader();
    const CString stored = CString(u"a\x1F" u"b");
    // No insert stores such a name any more; an older file may hold one.
    Sql("insert into Unit_tbl values ('a\x1F" "b')");
    ASSERT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kUnitInsert, {u"x WHERE y"})));
    EXPECT_EQ(loader->CountRows(CStatementBuilder::Format(Sql::kUnitExists, {stored})), 1);
    EXPECT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kUnitRename, {u"ab", stored})));
    // WHERE inside a quoted value is part of the value, not the condition.
    EXPECT_TRUE(loader->ExecuteUpdate(CStatementBuilder::Format(Sql::kUnitRename, {u"p WHERE q", u"x WHERE y"})));
    EXPECT_EQ(Rows("select UnitName from Unit_tbl order by UnitName"), "ab\np WHERE q\n");
}

TEST(StatementBuilderText, QuotesTextsAndKeepsWholeNumbersBare) {
    EXPECT_EQ(CStatementBuilder::Format(u"a='%s' b=%s c=%s", {u"it's", u" 12 ", u"-7"}).ToUtf8(),
              "a='it''s' b=12 c=-7");
}

// SQLite turns a quoted '1e3' back into 1000 in a number column, and a
// comparison with a quoted ' 12' may match 12: no form of such a value is
// safe, so no statement is made at all.
TEST(StatementBuilderText, MakesNoStatementForABareValueThatIsNotAWholeNumber) {
    for (const char16_t* value : {u"", u"1e3", u"12abc", u"-3.25", u"1 or 1=1", u"0x10", u"+5", u"-", u"1 2"}) {
        EXPECT_TRUE(CStatementBuilder::Format(u"WHERE SeqNo=%s", {value}).IsEmpty()) << CString(value).ToUtf8();
    }
}

} // namespace
