#pragma once
// One field (column) of a recordset's current row, of either engine. It
// lives inside its recordset and counts references with it.

#include "platform/com/ComObject.h"
#include "platform/com/RecordsetInterfaces.h"

class FieldSource;

class RecordsetField : public ComObject<IField, IID_IField> {
public:
    RecordsetField(FieldSource& source, IUnknown& owner, int column);

    HRESULT get_Value(VARIANT* pValue) override;
    HRESULT put_Value(const VARIANT& value) override;
    HRESULT get_Type(long* pType) override;
    HRESULT get_Name(BSTR* pName) override;

private:
    FieldSource& m_source;
    int m_column;
};
