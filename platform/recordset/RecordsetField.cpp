#include "platform/recordset/RecordsetField.h"

#include "platform/recordset/FieldSource.h"

RecordsetField::RecordsetField(FieldSource& source, IUnknown& owner, int column)
    : ComObject(owner), m_source(source), m_column(column) {}

HRESULT RecordsetField::get_Value(VARIANT* pValue) { return m_source.ReadValue(m_column, pValue); }

HRESULT RecordsetField::put_Value(const VARIANT& value) { return m_source.WriteValue(m_column, value); }

HRESULT RecordsetField::get_Type(long* pType) { return m_source.ColumnType(m_column, pType); }

HRESULT RecordsetField::get_Name(BSTR* pName) { return m_source.ColumnName(m_column, pName); }
