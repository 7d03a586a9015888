#include "platform/recordset/SqliteFields.h"

#include "platform/recordset/SqliteRecordset.h"

SqliteFields::SqliteFields(SqliteRecordset& owner) : ComObject(owner), m_owner(owner) {}

HRESULT SqliteFields::get_Count(long* pCount) {
    if (!pCount) return E_POINTER;
    *pCount = m_owner.ColumnCount();
    return S_OK;
}

HRESULT SqliteFields::get_Item(const VARIANT& index, IField** ppField) {
    if (!ppField) return E_POINTER;
    *ppField = nullptr;
    int column = -1;
    if (index.vt == VT_I4) column = index.lVal;
    else if (index.vt == VT_I2) column = index.iVal;
    else if (index.vt == VT_BSTR) column = m_owner.ColumnByName(std::u16string_view(index.bstrVal ? index.bstrVal : u""));
    else return DISP_E_TYPEMISMATCH;
    if (column < 0 || column >= m_owner.ColumnCount()) return E_INVALIDARG;
    *ppField = m_owner.FieldObject(column);
    (*ppField)->AddRef();
    return S_OK;
}
