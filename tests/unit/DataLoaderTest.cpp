// The data loader over the recordset component and a real database file.

#include "tests/support/DatabaseFixture.h"

#include <cstdio>

#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "StepDriver.h"

namespace {

CString S(const char* utf8) { return CString::FromUtf8(utf8); }

CString FirstField(const CString& row) {
    int at = row.Find(CDataLoader::kFieldEnd);
    return at < 0 ? row : row.Left(at);
}

int NextKey(CDataLoader& loader, LPCTSTR statement) {
    return _ttoi(FirstField(loader.FetchFirstRow(statement))) + 1;
}

using DataLoader = DatabaseTest;

// The reasons the headless window system wrote for the loader's failures.
std::vector<std::string> Failures(const StepDriver& screen) {
    std::vector<std::string> reasons;
    const std::string kPrefix = "statement failed: ";
    for (const std::string& line : screen.Transcript()) {
        if (line.rfind(kPrefix, 0) == 0) reasons.push_back(line.substr(kPrefix.size()));
    }
    return reasons;
}

TEST_F(DataLoader, EmptyTablesGiveTheFirstKeys) {
    auto loader = Loader();
    EXPECT_TRUE(loader->FetchFirstRow(Sql::kLastSeqNo).IsEmpty());
    EXPECT_EQ(NextKey(*loader, Sql::kLastSeqNo), 1);
    EXPECT_EQ(NextKey(*loader, Sql::kLastMgrNo), 1);
    EXPECT_TRUE(loader->FillControl(Sql::kPlanList, u""));
    EXPECT_EQ(owner.list.GetItemCount(), 0);
    EXPECT_EQ(loader->CountRows(CStatementBuilder::Format(Sql::kItemExists, {u"1"})), 0);
}

TEST_F(DataLoader, TripNumbersSkipPlannedBoughtAndUndoneRows) {
    auto loader = Loader();
    ASSERT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kPlanInsert, {u"1", u"과일", u"사과", u"2", u"개", u"", u"0"})));
    PlanItem(2, "배", "1,'개',500,'',0,0,500,'2024-03-02','한빛마트',0,''");       // bought, payment undone
    PlanItem(3, "귤", "1,'개',700,'',0,0,700,'2024-03-02','한빛마트',7,'Y'");      // paid, trip 7
    PlanItem(4, "감", "1,'개',300,'',0,0,300,'2024-03-02','한빛마트',12,'Y'");     // paid, trip 12
    PlanItem(5, "밤", "1,'개',0,'',0,0,0,'','','',''");
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl where SeqNo in (1,5) and MgrNo is null"), "2\n");
    EXPECT_EQ(FirstField(loader->FetchFirstRow(Sql::kLastMgrNo)), CString(u"12"));
    EXPECT_EQ(NextKey(*loader, Sql::kLastSeqNo), 6);

    Sql("delete from ShoppingList_tbl where PayYN='Y'");
    EXPECT_EQ(FirstField(loader->FetchFirstRow(Sql::kLastMgrNo)), CString(u"0"));
    EXPECT_EQ(NextKey(*loader, Sql::kLastMgrNo), 1);
    Sql("delete from ShoppingList_tbl where MgrNo=0");
    EXPECT_EQ(FirstField(loader->FetchFirstRow(Sql::kLastMgrNo)), CString(u"NULL"));
    EXPECT_EQ(NextKey(*loader, Sql::kLastMgrNo), 1);
    // No unpaid row answers to a trip number.
    EXPECT_EQ(loader->CountRows(u"select * from ShoppingList_tbl where MgrNo=0"), 0);
}

TEST_F(DataLoader, FillsListRowsInStatementOrderAndComboItems) {
    Sql("insert into ProdName_tbl values ('과일','사과'); insert into ProdName_tbl values ('채소','배추');"
        "insert into Category_tbl values ('채소'); insert into Category_tbl values ('과일');");
    owner.list.InsertColumn(0, u"품명");
    owner.list.InsertColumn(1, u"분류");
    auto loader = Loader();
    EXPECT_TRUE(loader->FillControl(Sql::kProductList, u""));
    ASSERT_EQ(owner.list.GetItemCount(), 2);
    EXPECT_EQ(ListRow(0), "배추|채소");
    EXPECT_EQ(ListRow(1), "사과|과일");

    auto combo = Loader(kComboId);
    EXPECT_TRUE(combo->FillControl(Sql::kCategoryList, u"COMBO"));
    ASSERT_EQ(owner.combo.GetCount(), 2);
    EXPECT_EQ(owner.combo.GetLBText(0), CString(u"과일"));
    EXPECT_EQ(owner.combo.GetLBText(1), CString(u"채소"));
}

TEST_F(DataLoader, ComboModeIsComparedExactly) {
    Sql("insert into Unit_tbl values ('kg')");
    owner.list.InsertColumn(0, u"단위");
    auto loader = Loader(kListId);
    EXPECT_TRUE(loader->FillControl(Sql::kUnitList, u"combo"));
    EXPECT_EQ(owner.list.GetItemCount(), 1);
    EXPECT_EQ(owner.combo.GetCount(), 0);
}

TEST_F(DataLoader, ARejectedStatementFailsEveryOperationAndAddsNothing) {
    StepDriver screen;
    auto loader = Loader();
    const CString bad = u"select nothing from Missing_tbl";
    EXPECT_FALSE(loader->FillControl(bad, u""));
    EXPECT_EQ(loader->CountRows(bad), 0);
    EXPECT_FALSE(loader->Execute(u"insert into Missing_tbl values (1)"));
    EXPECT_TRUE(loader->FetchFirstRow(bad).IsEmpty());
    EXPECT_FALSE(loader->ExecuteUpdate(u"UPDATE Missing_tbl SET A='1' WHERE B='2'"));
    EXPECT_EQ(owner.list.GetItemCount(), 0);
    // The loader goes on working after a failure.
    EXPECT_TRUE(loader->Execute(CStatementBuilder::Format(Sql::kUnitInsert, {u"g"})));
    // NOTHING is a word of SQLite's SQL: there that select cannot even be
    // read. The server reads it as a column, and misses the table first.
    const std::string missing =
        device.Shared() ? "relation \"missing_tbl\" does not exist" : "no such table: Missing_tbl";
    const std::string unreadable = device.Shared() ? missing : "near \"nothing\": syntax error";
    EXPECT_EQ(Failures(screen), (std::vector<std::string>{unreadable, unreadable, missing, unreadable, missing}));
}

TEST_F(DataLoader, AValueOrAnUpdateTheLoaderCannotWriteIsReportedAsSuch) {
    PlanItem(1, "사과");
    StepDriver screen;
    auto loader = Loader();
    EXPECT_FALSE(loader->ExecuteUpdate(u"UPDATE ShoppingList_tbl SET ShpQty='많이' WHERE SeqNo='1'"));
    EXPECT_FALSE(loader->ExecuteUpdate(u"UPDATE ShoppingList_tbl SET Absent='1' WHERE SeqNo='1'"));
    EXPECT_FALSE(loader->ExecuteUpdate(u"DELETE FROM ShoppingList_tbl"));
    EXPECT_EQ(Failures(screen), (std::vector<std::string>{"the text '많이' is no value of field ShpQty",
                                                          device.Shared() ? "column \"absent\" does not exist"
                                                                          : "no such column: Absent",
                                                          "the UPDATE is not of the form the loader writes"}));
    EXPECT_EQ(Rows("select ShpQty from ShoppingList_tbl"), "2\n");
}

TEST_F(DataLoader, RefusesATextWithTwoStatements) {
    Sql("insert into Unit_tbl values ('g'); insert into Category_tbl values ('과일')");
    StepDriver screen;
    auto loader = Loader();
    EXPECT_FALSE(loader->Execute(u"delete from Unit_tbl; delete from Category_tbl"));
    EXPECT_EQ(Failures(screen), (std::vector<std::string>{"the text holds more than one statement"}));
    EXPECT_EQ(Rows("select count(*) from Unit_tbl"), "1\n");
    EXPECT_EQ(Rows("select count(*) from Category_tbl"), "1\n");
}

TEST_F(DataLoader, WithoutADatabaseFileEveryStatementFailsAndNoFileIsMade) {
    std::filesystem::remove(FirstInstallation::DatabasePath(root));
    StepDriver screen;
    auto loader = Loader();
    EXPECT_FALSE(loader->Execute(CStatementBuilder::Format(Sql::kUnitInsert, {u"g"})));
    EXPECT_FALSE(loader->FillControl(Sql::kUnitList, u""));
    EXPECT_EQ(loader->CountRows(Sql::kUnitList), 0);
    const std::string missing = "database \\Program Files\\Cartavel\\Orvanemart.cdb: unable to open database file";
    EXPECT_EQ(Failures(screen), (std::vector<std::string>{missing, missing, missing}));
    EXPECT_FALSE(std::filesystem::exists(FirstInstallation::DatabasePath(root)));
}

TEST_F(DataLoader, NumbersReadBackAsTheyWereStored) {
    owner.list.InsertColumn(0, u"a");
    owner.list.InsertColumn(1, u"b");
    owner.list.InsertColumn(2, u"c");
    PlanItem(1, "사과", "-5,'개',1500,'Y',500,0,0,'','','',''");
    auto loader = Loader();
    EXPECT_TRUE(loader->FillControl(u"select ShpQty,Price,MgrNo from ShoppingList_tbl", u""));
    EXPECT_EQ(ListRow(0), "-5|1500|NULL");
    // A real value, as a computed column gives it, shows two decimals.
    EXPECT_EQ(FirstField(loader->FetchFirstRow(u"select Price/1000.0 from ShoppingList_tbl")), CString(u"1.50"));
    EXPECT_EQ(loader->FetchFirstRow(u"select SeqNo,ProdName from ShoppingList_tbl"), S("1\x1F사과\x1F"));
}

TEST_F(DataLoader, FieldTextOfEveryKind) {
    CDataLoader loader(&owner, kListId);
    VARIANT v;
    auto text = [&](VARTYPE vt) { v.vt = vt; return loader.FieldText(v).ToUtf8(); };
    EXPECT_EQ(text(VT_EMPTY), "NULL");
    EXPECT_EQ(text(VT_NULL), "NULL");
    v.iVal = -5;
    EXPECT_EQ(text(VT_I2), "-5");
    v.lVal = -2147483647 - 1;
    EXPECT_EQ(text(VT_I4), "-2147483648");
    v.fltVal = 3.5f;
    EXPECT_EQ(text(VT_R4), "3.50");
    v.dblVal = 1234.005;
    EXPECT_EQ(text(VT_R8), "1234.01");
    v.cyVal.int64 = 12345678;
    EXPECT_EQ(text(VT_CY), "₩1,235");
    v.date = 45366.0;  // 2024-03-15
    EXPECT_EQ(text(VT_DATE), "2024-03-15");
    v.date = 45366.75;
    EXPECT_EQ(text(VT_DATE), "2024-03-15 오후 6:00:00");
    v.boolVal = VARIANT_TRUE;
    EXPECT_EQ(text(VT_BOOL), "TRUE");
    v.boolVal = VARIANT_FALSE;
    EXPECT_EQ(text(VT_BOOL), "FALSE");
    v.decVal = DECIMAL{2, DECIMAL_NEG, 0, 150075};  // -1500.75
    EXPECT_EQ(text(VT_DECIMAL), "-₩1,501");
    v.bVal = 10;
    EXPECT_EQ(text(VT_UI1), "0x0A");
    EXPECT_EQ(text(20), "<Unknown>");
    EXPECT_EQ(text(VT_I4 | VT_ARRAY), "Array of ");
    EXPECT_EQ(text(VT_I4 | VT_BYREF), "<Unknown>Pointer to ");
    EXPECT_EQ(text(VT_I4 | VT_ARRAY | VT_BYREF), "Array of Pointer to ");
    EXPECT_EQ(text(VT_BOOL | VT_BYREF), "<Unknown>Pointer to ");
    v.bstrVal = SysAllocString(u"사과");
    EXPECT_EQ(text(VT_BSTR), "사과");
    VariantClear(&v);
}

// The loader writes numbers itself, locale-free; the texts are those of
// printf's "%d", "%hd", "%.2f" and "0x%02hX" in the C locale.
TEST_F(DataLoader, NumberTextsAreThoseOfTheFormats) {
    CDataLoader loader(&owner, kListId);
    char expected[512];
    VARIANT v;
    for (double d : {0.0, -0.0, 0.005, 0.015, 2.675, -1234.5, 1e20, 123456789.125, 1e300, -3.999}) {
        v.vt = VT_R8;
        v.dblVal = d;
        std::snprintf(expected, sizeof expected, "%.2f", d);
        EXPECT_EQ(loader.FieldText(v).ToUtf8(), expected) << d;
        v.vt = VT_R4;
        v.fltVal = static_cast<float>(d == 1e300 ? 3e38 : d);
        std::snprintf(expected, sizeof expected, "%.2f", static_cast<double>(v.fltVal));
        EXPECT_EQ(loader.FieldText(v).ToUtf8(), expected) << d;
    }
    for (std::int32_t i : {0, 7, -5, 2147483647, -2147483647 - 1}) {
        v.vt = VT_I4;
        v.lVal = i;
        std::snprintf(expected, sizeof expected, "%d", i);
        EXPECT_EQ(loader.FieldText(v).ToUtf8(), expected);
    }
    for (std::int16_t i : {std::int16_t(0), std::int16_t(-5), std::int16_t(32767), std::int16_t(-32768)}) {
        v.vt = VT_I2;
        v.iVal = i;
        std::snprintf(expected, sizeof expected, "%hd", i);
        EXPECT_EQ(loader.FieldText(v).ToUtf8(), expected);
    }
    for (int b : {0, 10, 171, 255}) {
        v.vt = VT_UI1;
        v.bVal = static_cast<std::uint8_t>(b);
        std::snprintf(expected, sizeof expected, "0x%02hX", static_cast<unsigned short>(b));
        EXPECT_EQ(loader.FieldText(v).ToUtf8(), expected);
    }
}

TEST_F(DataLoader, AnUnopenedLoaderFailsEveryStatement) {
    StepDriver screen;
    CDataLoader loader(&owner, kListId);  // no Open: no recordset object
    EXPECT_FALSE(loader.FillControl(Sql::kUnitList, u""));
    EXPECT_EQ(loader.CountRows(Sql::kUnitList), 0);
    EXPECT_FALSE(loader.Execute(CStatementBuilder::Format(Sql::kUnitInsert, {u"g"})));
    EXPECT_FALSE(loader.ExecuteUpdate(CStatementBuilder::Format(Sql::kUnitRename, {u"kg", u"g"})));
    EXPECT_TRUE(loader.FetchFirstRow(Sql::kLastSeqNo).IsEmpty());
    EXPECT_EQ(Rows("select count(*) from Unit_tbl"), "0\n");
    EXPECT_EQ(Failures(screen).size(), 5u);
    EXPECT_EQ(Failures(screen).back(), "the recordset component is not available");
}

TEST_F(DataLoader, AListFillAddsToWhatIsThere) {
    Sql("insert into Unit_tbl values ('g'); insert into Unit_tbl values ('kg')");
    owner.list.InsertColumn(0, u"단위");
    auto loader = Loader();
    EXPECT_TRUE(loader->FillControl(Sql::kUnitList, u""));
    EXPECT_TRUE(loader->FillControl(Sql::kUnitList, u""));
    ASSERT_EQ(owner.list.GetItemCount(), 4);
    EXPECT_EQ(ListRow(2), "g");
    auto combo = Loader(kComboId);
    EXPECT_TRUE(combo->FillControl(Sql::kUnitList, u"COMBO"));
    EXPECT_TRUE(combo->FillControl(Sql::kUnitList, u"COMBO"));
    EXPECT_EQ(owner.combo.GetCount(), 4);
}

} // namespace
