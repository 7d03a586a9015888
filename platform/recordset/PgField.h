#pragma once
// One field (column) of a PostgreSQL recordset's current row. It lives
// inside its recordset and counts references with it.

#include "platform/com/ComObject.h"
#include "platform/recordset/RecordsetInterfaces.h"

class PgRecordset;

class PgField : public ComObject<IField, IID_IField> {
public:
    PgField(PgRecordset& owner, int column);

    HRESULT get_Value(VARIANT* pValue) override;
    HRESULT put_Value(const VARIANT& value) override;
    HRESULT get_Type(long* pType) override;
    HRESULT get_Name(BSTR* pName) override;

private:
    PgRecordset& m_owner;
    int m_column;
};
