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

class IRecordset : public IUnknown {
public:
    // source: the statement text; connection: the database's device path;
    // both texts. Negative results are failures.
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
