#include "platform/recordset/RecordsetFields.h"

#include <string>

#include "platform/recordset/FieldSource.h"
#include "platform/shell/TextEncoding.h"

RecordsetFields::RecordsetFields(FieldSource& source, IUnknown& owner) : ComObject(owner), m_source(source) {}

HRESULT RecordsetFields::get_Count(long* pCount) {
    if (!pCount) return E_POINTER;
    *pCount = m_source.ColumnCount();
    return S_OK;
}

HRESULT RecordsetFields::get_Item(const VARIANT& index, IField** ppField) {
    if (!ppField) return E_POINTER;
    *ppField = nullptr;
    int column = -1;
    if (index.vt == VT_I4) column = index.lVal;
    else if (index.vt == VT_I2) column = index.iVal;
    else if (index.vt == VT_BSTR) column = m_source.ColumnByName(std::u16string_view(index.bstrVal ? index.bstrVal : u""));
    else return m_source.Fail("a field is asked for by its position or its name", DISP_E_TYPEMISMATCH);
    if (column < 0 || column >= m_source.ColumnCount()) {
        std::string asked = index.vt == VT_BSTR ? TextEncoding::ToUtf8(index.bstrVal ? index.bstrVal : u"")
                                                : std::to_string(index.vt == VT_I4 ? index.lVal : index.iVal);
        return m_source.Fail("the statement has no field " + asked, E_INVALIDARG);
    }
    *ppField = m_source.FieldObject(column);
    (*ppField)->AddRef();
    return S_OK;
}
