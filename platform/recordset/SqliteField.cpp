#include "platform/recordset/SqliteField.h"

#include "platform/recordset/SqliteRecordset.h"

HRESULT SqliteField::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IField || riid == IID_IUnknown) {
        *ppv = static_cast<IField*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG SqliteField::AddRef() { return m_owner.AddRef(); }

ULONG SqliteField::Release() { return m_owner.Release(); }

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
