#pragma once
// The field collection of a recordset's current row, of either engine. It
// lives inside its recordset and counts references with it.

#include "platform/com/ComObject.h"
#include "platform/com/RecordsetInterfaces.h"

class FieldSource;

class RecordsetFields : public ComObject<IFields, IID_IFields> {
public:
    RecordsetFields(FieldSource& source, IUnknown& owner);

    HRESULT get_Count(long* pCount) override;
    HRESULT get_Item(const VARIANT& index, IField** ppField) override;

private:
    FieldSource& m_source;
};
