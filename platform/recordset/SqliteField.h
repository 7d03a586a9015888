#pragma once
// One field (column) of a recordset's current row. It lives inside its
// recordset and counts references with it.

#include "platform/recordset/RecordsetInterfaces.h"

class SqliteRecordset;

class SqliteField : public IField {
public:
    SqliteField(SqliteRecordset& owner, int column) : m_owner(owner), m_column(column) {}

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT get_Value(VARIANT* pValue) override;
    HRESULT put_Value(const VARIANT& value) override;
    HRESULT get_Type(long* pType) override;
    HRESULT get_Name(BSTR* pName) override;

private:
    SqliteRecordset& m_owner;
    int m_column;
};
