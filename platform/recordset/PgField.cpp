#include "platform/recordset/PgField.h"

#include "platform/recordset/PgRecordset.h"

PgField::PgField(PgRecordset& owner, int column) : ComObject(owner), m_owner(owner), m_column(column) {}

HRESULT PgField::get_Value(VARIANT* pValue) { return m_owner.ReadValue(m_column, pValue); }

HRESULT PgField::put_Value(const VARIANT& value) { return m_owner.WriteValue(m_column, value); }

HRESULT PgField::get_Type(long* pType) { return m_owner.ColumnType(m_column, pType); }

HRESULT PgField::get_Name(BSTR* pName) { return m_owner.ColumnName(m_column, pName); }
