#pragma once
// The field collection of a PostgreSQL recordset's current row. It lives
// inside its recordset and counts references with it.

#include "platform/com/ComObject.h"
#include "platform/recordset/RecordsetInterfaces.h"

class PgRecordset;

class PgFields : public ComObject<IFields, IID_IFields> {
public:
    explicit PgFields(PgRecordset& owner);

    HRESULT get_Count(long* pCount) override;
    HRESULT get_Item(const VARIANT& index, IField** ppField) override;

private:
    PgRecordset& m_owner;
};
