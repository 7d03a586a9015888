#include "platform/recordset/SqliteField.h"

#include "platform/recordset/SqliteRecordset.h"

SqliteField::SqliteField(SqliteRecordset& owner, int column) : ComObject(owner), m_owner(owner), m_column(column) {}

HRESULT SqliteField::get_Value(VARIANT* pValue) { return m_owner.ReadValue(m_column, pValue); }

HRESULT SqliteField::put_Value(const VARIANT& value) { return m_owner.WriteValue(m_column, value); }

HRESULT SqliteField::get_Type(long* pType) {
    if (!pType) return E_POINTER;
    *pType = m_owner.ColumnType(m_column);
    return S_OK;
}

HRESULT SqliteField::get_Name(BSTR* pName) {
    if (!pName) return E_POINTER;
    *pName = SysAllocString(m_owner.ColumnName(m_column));
    return S_OK;
}
