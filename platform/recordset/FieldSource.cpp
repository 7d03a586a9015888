#include "platform/recordset/FieldSource.h"

#include "platform/shell/AsciiCase.h"

int FieldSource::ColumnByName(std::u16string_view name) const {
    for (int i = 0; i < ColumnCount(); ++i) {
        if (AsciiCase::Equal(NameOf(i), name)) return i;
    }
    return -1;
}

HRESULT FieldSource::ColumnType(int column, long* type) {
    if (!type) return E_POINTER;
    if (!HasColumn(column)) return Fail("the statement has no column " + std::to_string(column));
    *type = TypeOf(column);
    return S_OK;
}

HRESULT FieldSource::ColumnName(int column, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!HasColumn(column)) return Fail("the statement has no column " + std::to_string(column));
    *name = SysAllocString(NameOf(column));
    return *name ? S_OK : E_OUTOFMEMORY;
}

void FieldSource::MatchFieldObjects() {
    for (int i = static_cast<int>(m_fieldObjects.size()); i < ColumnCount(); ++i) {
        m_fieldObjects.push_back(std::make_unique<RecordsetField>(*this, m_owner, i));
    }
}

IFields* FieldSource::Fields() {
    m_fields.AddRef();
    return &m_fields;
}
