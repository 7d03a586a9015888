#pragma once
// The field collection of a recordset's current row. It lives inside its
// recordset and counts references with it.

#include "platform/com/ComObject.h"
#include "platform/recordset/RecordsetInterfaces.h"

class SqliteRecordset;

class SqliteFields : public ComObject<IFields, IID_IFields> {
public:
    explicit SqliteFields(SqliteRecordset& owner);

    HRESULT get_Count(long* pCount) override;
    HRESULT get_Item(const VARIANT& index, IField** ppField) override;

private:
    SqliteRecordset& m_owner;
};
