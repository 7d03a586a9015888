// The recordset component itself: fields by position and by name, their
// types, and when written fields reach the file.

#include "tests/support/DatabaseFixture.h"

#include "platform/com/RecordsetInterfaces.h"

namespace {

class Recordset : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        ASSERT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_INPROC_SERVER, IID_IRecordset,
                                   reinterpret_cast<void**>(&rs)),
                  S_OK);
    }
    void TearDown() override {
        if (rs) rs->Release();
        DatabaseTest::TearDown();
    }
    HRESULT Open(const char16_t* sql) {
        VARIANT source = MakeTextVariant(sql);
        VARIANT connection = MakeTextVariant(u"\\Program Files\\Cartavel\\Orvanemart.cdb");
        HRESULT hr = rs->Open(source, connection, 2, 2, 1);
        VariantClear(&source);
        VariantClear(&connection);
        return hr;
    }
    IField* Field(const VARIANT& index) {
        IFields* fields = nullptr;
        EXPECT_EQ(rs->get_Fields(&fields), S_OK);
        IField* field = nullptr;
        EXPECT_EQ(fields->get_Item(index, &field), S_OK);
        fields->Release();
        return field;
    }
    void Put(const char16_t* column, VARIANT value) {
        VARIANT name = MakeTextVariant(column);
        IField* field = Field(name);
        EXPECT_EQ(field->put_Value(value), S_OK);
        field->Release();
        VariantClear(&name);
        VariantClear(&value);
    }
    // Why the last call failed, as the component says it.
    std::string Reason() {
        BSTR text = nullptr;
        EXPECT_EQ(rs->get_LastError(&text), S_OK);
        std::string reason = CString(std::u16string_view(text, SysStringLen(text))).ToUtf8();
        SysFreeString(text);
        return reason;
    }
    IRecordset* rs = nullptr;
};

TEST_F(Recordset, FieldsByPositionAndNameWithTheirTypes) {
    PlanItem(1, "사과");
    ASSERT_EQ(Open(u"select SeqNo, ProdName, ShpQty*1.5 from ShoppingList_tbl"), S_OK);
    VARIANT_BOOL eof = VARIANT_TRUE;
    rs->get_EOF(&eof);
    ASSERT_FALSE(eof);
    IFields* fields = nullptr;
    rs->get_Fields(&fields);
    long count = 0;
    fields->get_Count(&count);
    EXPECT_EQ(count, 3);
    IField* byName = nullptr;
    VARIANT name = MakeTextVariant(u"prodname");  // letter case does not matter
    ASSERT_EQ(fields->get_Item(name, &byName), S_OK);
    VariantClear(&name);
    long type = 0;
    byName->get_Type(&type);
    EXPECT_EQ(type, adVarWChar);
    VARIANT value;
    byName->get_Value(&value);
    EXPECT_EQ(value.vt, VT_BSTR);
    VariantClear(&value);
    byName->Release();
    IField* seq = nullptr;
    fields->get_Item(MakeI4Variant(0), &seq);
    seq->get_Type(&type);
    EXPECT_EQ(type, adInteger);
    seq->get_Value(&value);
    EXPECT_EQ(value.vt, VT_I4);
    EXPECT_EQ(value.lVal, 1);
    seq->Release();
    IField* computed = nullptr;
    fields->get_Item(MakeI4Variant(2), &computed);
    computed->get_Value(&value);
    EXPECT_EQ(value.vt, VT_R8);
    computed->Release();
    IField* missing = nullptr;
    EXPECT_LT(fields->get_Item(MakeI4Variant(3), &missing), 0);
    EXPECT_EQ(Reason(), "the statement has no field 3");
    VARIANT unknown = MakeTextVariant(u"Nothing");
    EXPECT_LT(fields->get_Item(unknown, &missing), 0);
    EXPECT_EQ(Reason(), "the statement has no field Nothing");
    VARIANT real;
    VariantInit(&real);
    real.vt = VT_R8;
    EXPECT_EQ(fields->get_Item(real, &missing), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Reason(), "a field is asked for by its position or its name");
    VariantClear(&unknown);
    fields->Release();
    rs->Close();
}

TEST_F(Recordset, WritesReachTheFileWhenTheRowIsLeftAndCancelDropsThem) {
    PlanItem(1, "사과");
    PlanItem(2, "배");
    ASSERT_EQ(Open(u"SELECT ProdName,ShpQty FROM  ShoppingList_tbl WHERE SeqNo>0"), S_OK);
    Put(u"ProdName", MakeTextVariant(u"귤"));
    Put(u"ShpQty", MakeI4Variant(9));
    EXPECT_EQ(Rows("select ProdName from ShoppingList_tbl where SeqNo=1"), "사과\n");  // not yet
    EXPECT_EQ(rs->MoveNext(), S_OK);
    EXPECT_EQ(Rows("select ProdName, ShpQty from ShoppingList_tbl where SeqNo=1"), "귤|9\n");
    Put(u"ProdName", MakeTextVariant(u"감"));
    rs->CancelUpdate();
    rs->Close();
    EXPECT_EQ(Rows("select ProdName from ShoppingList_tbl where SeqNo=2"), "배\n");

    ASSERT_EQ(Open(u"SELECT ProdName FROM  ShoppingList_tbl WHERE SeqNo=2"), S_OK);
    Put(u"ProdName", MakeTextVariant(u"감"));
    EXPECT_EQ(rs->Close(), S_OK);
    EXPECT_EQ(Rows("select ProdName from ShoppingList_tbl where SeqNo=2"), "감\n");
}

TEST_F(Recordset, AWriteTheDatabaseRefusesFailsWhenTheRowIsLeft) {
    PlanItem(1, "사과");
    ASSERT_EQ(Open(u"SELECT ShpQty FROM  ShoppingList_tbl WHERE SeqNo=1"), S_OK);
    Put(u"ShpQty", MakeTextVariant(u"many"));
    EXPECT_LT(rs->MoveNext(), 0);
    const char* refusal = device.Shared() ? "invalid input syntax for type integer" : "CHECK constraint failed";
    EXPECT_EQ(Reason().rfind(refusal, 0), 0u) << Reason();
    rs->Close();
    EXPECT_EQ(Rows("select ShpQty from ShoppingList_tbl"), "2\n");
}

TEST_F(Recordset, RowsOfAJoinAreReadOnly) {
    PlanItem(1, "사과");
    Sql("insert into ShpStore_tbl values ('g')");
    ASSERT_EQ(Open(u"select ProdName, ShpStore_tbl.StoreName from ShoppingList_tbl, ShpStore_tbl"), S_OK);
    VARIANT name = MakeTextVariant(u"ProdName");
    IField* field = Field(name);
    VARIANT value = MakeTextVariant(u"x");
    EXPECT_LT(field->put_Value(value), 0);
    EXPECT_EQ(Reason(), "this field cannot be written");
    VariantClear(&value);
    VariantClear(&name);
    field->Release();
    rs->Close();
}

TEST_F(Recordset, OneStatementPerOpen) {
    EXPECT_LT(Open(u"select 1; select 2"), 0);
    EXPECT_EQ(Reason(), "the text holds more than one statement");
    EXPECT_EQ(Open(u"select 1;"), S_OK);
    EXPECT_EQ(Reason(), "");  // a new statement starts without a reason
    rs->Close();
    EXPECT_LT(Open(u""), 0);
    EXPECT_EQ(Reason(), "the statement is empty");
}

// A refusal, a statement the engine cannot read and a file that is not
// there fail alike; their reasons, in one line, tell them apart.
TEST_F(Recordset, EachFailureKeepsItsReason) {
    const bool shared = device.Shared();
    EXPECT_LT(Open(u"selec * from Unit_tbl"), 0);
    EXPECT_EQ(Reason(), shared ? "syntax error at or near \"selec\"" : "near \"selec\": syntax error");
    EXPECT_LT(Open(u"select * from Missing_tbl"), 0);
    EXPECT_EQ(Reason(), shared ? "relation \"missing_tbl\" does not exist" : "no such table: Missing_tbl");
    EXPECT_LT(Open(u"select * from Unit_tbl; select 1"), 0);
    EXPECT_EQ(Reason(), "the text holds more than one statement");
    VARIANT source = MakeTextVariant(u"select * from Unit_tbl");
    VARIANT elsewhere = MakeTextVariant(u"\\Program Files\\Cartavel\\없는.cdb");
    // A shared notebook takes every file's place, so only the device's file can be missing.
    if (!shared) {
        EXPECT_LT(rs->Open(source, elsewhere, 2, 2, 1), 0);
        EXPECT_EQ(Reason(), "database \\Program Files\\Cartavel\\없는.cdb: unable to open database file");
    }
    EXPECT_LT(rs->Open(source, MakeI4Variant(1), 2, 2, 1), 0);
    EXPECT_EQ(Reason(), "the source must be a text, the connection a text or a connection object");
    VariantClear(&source);
    VariantClear(&elsewhere);
    BSTR* nowhere = nullptr;
    EXPECT_EQ(rs->get_LastError(nowhere), E_POINTER);
}

// A field a caller still holds from a wider statement fails, rather than
// reading past the columns of the one that runs now.
TEST_F(Recordset, AFieldHeldFromAWiderStatementFailsSafely) {
    PlanItem(1, "사과");
    ASSERT_EQ(Open(u"select SeqNo, ProdName from ShoppingList_tbl"), S_OK);
    IField* second = Field(MakeI4Variant(1));
    rs->Close();
    ASSERT_EQ(Open(u"select ProdName from ShoppingList_tbl"), S_OK);
    VARIANT value;
    EXPECT_LT(second->get_Value(&value), 0);
    EXPECT_EQ(Reason(), "the statement has no column 1");
    long type = 0;
    EXPECT_LT(second->get_Type(&type), 0);
    BSTR name = nullptr;
    EXPECT_LT(second->get_Name(&name), 0);
    EXPECT_EQ(name, nullptr);
    VARIANT text = MakeTextVariant(u"x");
    EXPECT_LT(second->put_Value(text), 0);
    VariantClear(&text);
    second->Release();
    IField* first = Field(MakeI4Variant(0));
    ASSERT_EQ(first->get_Name(&name), S_OK);
    EXPECT_EQ(std::u16string(name), u"ProdName");
    SysFreeString(name);
    first->Release();
    rs->Close();
}

// Read straight from the statement and read after a write has taken the rows
// into memory, the edges of the 32-bit range come back alike: inside as
// integers, one past either edge as doubles.
TEST_F(Recordset, IntegersAtTheEdgesOfThirtyTwoBits) {
    Sql("create table Edges (k INTEGER, v BIGINT)");
    Sql("insert into Edges values (1, 2147483647), (2, -2147483648), (3, 2147483648), (4, -2147483649)");
    const VARTYPE kinds[] = {VT_I4, VT_I4, VT_R8, VT_R8};
    const double values[] = {2147483647.0, -2147483648.0, 2147483648.0, -2147483649.0};
    for (bool written : {false, true}) {
        ASSERT_EQ(Open(u"select v, k from Edges order by k"), S_OK);
        for (int row = 0; row < 4; ++row) {
            if (written && row == 0) {
                IField* key = Field(MakeI4Variant(1));
                ASSERT_EQ(key->put_Value(MakeI4Variant(1)), S_OK);
                key->Release();
            }
            IField* field = Field(MakeI4Variant(0));
            VARIANT value;
            ASSERT_EQ(field->get_Value(&value), S_OK);
            field->Release();
            EXPECT_EQ(value.vt, kinds[row]) << row << (written ? " in memory" : " from the statement");
            EXPECT_DOUBLE_EQ(value.vt == VT_I4 ? value.lVal : value.dblVal, values[row]) << row;
            rs->MoveNext();
        }
        rs->Close();
    }
}

TEST_F(Recordset, ValuesComeBackByWhatIsStored) {
    Sql("create table Kinds (i INTEGER, r REAL, t TEXT, n TEXT)");
    Sql("insert into Kinds values (-7, 2.5, '김씨''s', NULL)");
    ASSERT_EQ(Open(u"select i, r, t, n, i * 3000000000 from Kinds"), S_OK);
    const VARTYPE kinds[] = {VT_I4, VT_R8, VT_BSTR, VT_NULL, VT_R8};  // a 64-bit integer comes as a double
    const long types[] = {adInteger, adDouble, adVarWChar, adVarWChar, adVarWChar};
    for (int i = 0; i < 5; ++i) {
        IField* field = Field(MakeI4Variant(i));
        VARIANT value;
        ASSERT_EQ(field->get_Value(&value), S_OK);
        EXPECT_EQ(value.vt, kinds[i]) << i;
        if (i == 2) {
            EXPECT_EQ(std::u16string(value.bstrVal), u"김씨's");
        }
        if (i == 4) {
            EXPECT_DOUBLE_EQ(value.dblVal, -21000000000.0);
        }
        long type = 0;
        field->get_Type(&type);
        EXPECT_EQ(type, types[i]) << i;
        VariantClear(&value);
        field->Release();
    }
    rs->Close();
}

TEST_F(Recordset, AtTheEndThereIsNoValueToReadOrWrite) {
    ASSERT_EQ(Open(u"select UnitName from Unit_tbl"), S_OK);
    VARIANT_BOOL eof = VARIANT_FALSE;
    rs->get_EOF(&eof);
    EXPECT_TRUE(eof);
    IField* field = Field(MakeI4Variant(0));
    VARIANT value;
    EXPECT_LT(field->get_Value(&value), 0);
    EXPECT_EQ(Reason(), "no row to read");
    VARIANT text = MakeTextVariant(u"g");
    EXPECT_LT(field->put_Value(text), 0);
    EXPECT_EQ(Reason(), "no row to write");
    VariantClear(&text);
    field->Release();
    EXPECT_LT(rs->MoveNext(), 0);
    EXPECT_EQ(Reason(), "no row to leave");
    rs->Close();
    rs->get_EOF(&eof);
    EXPECT_TRUE(eof);  // a closed recordset stands at the end
}

// "order by 2" must keep meaning the second column of the select list, so
// the component does not put its rowid in front; those rows are read-only.
TEST_F(Recordset, AColumnNumberInOrderByKeepsItsMeaning) {
    PlanItem(1, "나");
    PlanItem(2, "가");
    PlanItem(3, "다");
    ASSERT_EQ(Open(u"select SeqNo, ProdName from ShoppingList_tbl order by 2"), S_OK);
    std::vector<std::int32_t> order;
    VARIANT_BOOL eof = VARIANT_FALSE;
    while (SUCCEEDED(rs->get_EOF(&eof)) && !eof) {
        IField* field = Field(MakeI4Variant(0));
        VARIANT value;
        field->get_Value(&value);
        order.push_back(value.lVal);
        if (order.size() == 1) {
            VARIANT text = MakeTextVariant(u"x");
            EXPECT_LT(field->put_Value(text), 0);
            EXPECT_EQ(Reason(), "this field cannot be written");
            VariantClear(&text);
        }
        field->Release();
        rs->MoveNext();
    }
    rs->Close();
    EXPECT_EQ(order, (std::vector<std::int32_t>{2, 1, 3}));
    // Without a column number the rows can be written as usual.
    ASSERT_EQ(Open(u"select SeqNo, ProdName from ShoppingList_tbl order by ProdName, SeqNo"), S_OK);
    Put(u"ProdName", MakeTextVariant(u"라"));
    rs->Close();
    EXPECT_EQ(Rows("select ProdName from ShoppingList_tbl where SeqNo=2"), "라\n");
}

TEST_F(Recordset, DistinctRowsAreReadOnly) {
    Sql("insert into Unit_tbl values ('g'); insert into Unit_tbl values ('g')");
    ASSERT_EQ(Open(u"select distinct UnitName from Unit_tbl"), S_OK);
    IField* field = Field(MakeI4Variant(0));
    VARIANT text = MakeTextVariant(u"kg");
    EXPECT_LT(field->put_Value(text), 0);
    EXPECT_EQ(Reason(), "this field cannot be written");
    VariantClear(&text);
    field->Release();
    rs->MoveNext();
    VARIANT_BOOL eof = VARIANT_FALSE;
    rs->get_EOF(&eof);
    EXPECT_TRUE(eof);
    rs->Close();
    EXPECT_EQ(Rows("select UnitName from Unit_tbl"), "g\ng\n");
}

// Writing the column the WHERE searches by, through its index, changes every
// row the SELECT named, each once.
TEST_F(Recordset, WritingTheSearchedColumnChangesEachRowOnce) {
    for (int seq = 1; seq <= 50; ++seq) PlanItem(seq, "사과", "1,'개',100,'',0,0,100,'2024-03-01','가게',5,'Y'");
    ASSERT_EQ(Open(u"SELECT MgrNo FROM  ShoppingList_tbl WHERE MgrNo>=5"), S_OK);
    int rows = 0;
    VARIANT_BOOL eof = VARIANT_FALSE;
    while (SUCCEEDED(rs->get_EOF(&eof)) && !eof) {
        Put(u"MgrNo", MakeI4Variant(6 + rows));
        rs->MoveNext();
        ++rows;
    }
    rs->Close();
    EXPECT_EQ(rows, 50);
    EXPECT_EQ(Rows("select count(*), min(MgrNo), max(MgrNo) from ShoppingList_tbl"), "50|6|55\n");
}

TEST_F(Recordset, TheTextMayEndWithBlanksSemicolonsAndComments) {
    EXPECT_EQ(Open(u"  select * from Unit_tbl ;  \n"), S_OK);
    rs->Close();
    EXPECT_EQ(Open(u"select * from Unit_tbl; -- 단위 ;"), S_OK);
    rs->Close();
    EXPECT_EQ(Open(u"select * from Unit_tbl; /* one */ ; "), S_OK);
    rs->Close();
    Sql("insert into Unit_tbl values ('g')");
    for (const char16_t* twoStatements :
         {u"delete from Unit_tbl; delete from Category_tbl", u"delete from Unit_tbl; garbage",
          u"delete from Unit_tbl; -- \n select 1"}) {
        EXPECT_LT(Open(twoStatements), 0);
        EXPECT_EQ(Reason(), "the text holds more than one statement");
    }
    EXPECT_EQ(Rows("select count(*) from Unit_tbl"), "1\n");
}

} // namespace
