#pragma once
// The recordset component's interfaces: a recordset runs one statement on the
// database file; for a SELECT it stands on one row at a time, whose fields it
// offers through a field collection.

#include "platform/com/ClassRegistry.h"
#include "platform/com/Variant.h"

// {113033F8-F682-11D2-BB62-00C04F680ACC}
extern const CLSID CLSID_Recordset;
// {113033F6-F682-11D2-BB62-00C04F680ACC}
extern const IID IID_IRecordset;
extern const CLSID CLSID_Connection;
extern const IID IID_IConnection;
extern const IID IID_IFields;
extern const IID IID_IField;

// Data type codes of a field, as the component reports them.
enum DataTypeCode : long {
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adDecimal = 14,
    adUnsignedTinyInt = 17,
    adVarWChar = 202,
};

class IField : public IUnknown {
public:
    virtual HRESULT get_Value(VARIANT* pValue) = 0;
    // Stores the value into the field of the current row; the row is written
    // when the cursor leaves it or the recordset is closed.
    virtual HRESULT put_Value(const VARIANT& value) = 0;
    virtual HRESULT get_Type(long* pType) = 0;
    virtual HRESULT get_Name(BSTR* pName) = 0;
};

class IFields : public IUnknown {
public:
    virtual HRESULT get_Count(long* pCount) = 0;
    // By position (VT_I2 or VT_I4, from 0) or by column name (VT_BSTR, letter
    // case ignored).
    virtual HRESULT get_Item(const VARIANT& index, IField** ppField) = 0;
};

// A connection to the database: what several recordsets share when their
// statements are to be one transaction. The file is opened when it is first
// needed, so that opening a connection alone never touches it.
class IConnection : public IUnknown {
public:
    // connection: the database's device path, a text.
    virtual HRESULT Open(const VARIANT& connection) = 0;
    // A write transaction from now on: the database is held for writing
    // (waiting a while for another program that holds it), so that what is
    // read inside it stays true until the commit. No nesting: pLevel is 1.
    virtual HRESULT BeginTrans(long* pLevel) = 0;
    // Makes every change since BeginTrans lasting, at once and durably.
    // When it fails, the transaction is still open: roll it back.
    virtual HRESULT CommitTrans() = 0;
    // Forgets every change since BeginTrans.
    virtual HRESULT RollbackTrans() = 0;
    // Ends the connection; an open transaction is rolled back.
    virtual HRESULT Close() = 0;
    virtual HRESULT get_LastError(BSTR* pText) = 0;
};

class IRecordset : public IUnknown {
public:
    // source: the statement text; connection: the database's device path (a
    // text: the recordset connects by itself) or a connection of this
    // component (VT_UNKNOWN: the statement runs inside its transaction).
    // Negative results are failures.
    virtual HRESULT Open(const VARIANT& source, const VARIANT& connection, long cursorType, long lockType,
                         long options) = 0;
    virtual HRESULT get_EOF(VARIANT_BOOL* pEOF) = 0;
    virtual HRESULT get_Fields(IFields** ppFields) = 0;
    // Leaves the row, writing its changed fields, and moves to the next one.
    virtual HRESULT MoveNext() = 0;
    // Drops the changes to the current row that are not written yet.
    virtual HRESULT CancelUpdate() = 0;
    // Writes the current row's changed fields and ends the statement.
    virtual HRESULT Close() = 0;
    // Why the last call that failed, on the recordset or its fields, failed
    // since the last Open began: words for people reading a log, empty when
    // nothing has failed. Callers decide by the HRESULT; the words may change.
    virtual HRESULT get_LastError(BSTR* pText) = 0;
};
