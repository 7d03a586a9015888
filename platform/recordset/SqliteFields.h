#pragma once
// The field collection of a recordset's current row. It lives inside its
// recordset and counts references with it.

#include "platform/recordset/RecordsetInterfaces.h"

class SqliteRecordset;

class SqliteFields : public IFields {
public:
    explicit SqliteFields(SqliteRecordset& owner) : m_owner(owner) {}

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT get_Count(long* pCount) override;
    HRESULT get_Item(const VARIANT& index, IField** ppField) override;

private:
    SqliteRecordset& m_owner;
};
