#include "platform/recordset/SqliteField.h"

#include "platform/recordset/SqliteRecordset.h"

SqliteField::SqliteField(SqliteRecordset& owner, int column) : ComObject(owner), m_owner(owner), m_column(column) {}

HRESULT SqliteField::get_Value(VARIANT* pValue) { return m_owner.ReadValue(m_column, pValue); }

HRESULT SqliteField::put_Value(const VARIANT& value) { return m_owner.WriteValue(m_column, value); }

HRESULT SqliteField::get_Type(long* pType) { return m_owner.ColumnType(m_column, pType); }

HRESULT SqliteField::get_Name(BSTR* pName) { return m_owner.ColumnName(m_column, pName); }
