#include "platform/recordset/StoredValue.h"

#include "platform/shell/TextEncoding.h"

StoredValue StoredValue::Of(const ColumnValue& value) {
    StoredValue stored;
    stored.kind = value.kind;
    stored.integer = value.integer;
    stored.real = value.real;
    if (value.kind == Kind::Text) stored.text = TextEncoding::FromUtf8(value.utf8);
    return stored;
}

HRESULT StoredValue::FromVariant(const VARIANT& in, StoredValue& out) {
    out = StoredValue{};
    switch (in.vt) {
    case VT_EMPTY:
    case VT_NULL: return S_OK;
    case VT_UI1: out.kind = Kind::Integer; out.integer = in.bVal; return S_OK;
    case VT_I2: out.kind = Kind::Integer; out.integer = in.iVal; return S_OK;
    case VT_I4: out.kind = Kind::Integer; out.integer = in.lVal; return S_OK;
    case VT_BOOL: out.kind = Kind::Integer; out.integer = in.boolVal ? 1 : 0; return S_OK;
    case VT_R4: out.kind = Kind::Real; out.real = in.fltVal; return S_OK;
    case VT_R8:
    case VT_DATE: out.kind = Kind::Real; out.real = in.dblVal; return S_OK;
    case VT_CY:
        if (in.cyVal.int64 % 10000 == 0) {
            out.kind = Kind::Integer;
            out.integer = in.cyVal.int64 / 10000;
        } else {
            out.kind = Kind::Real;
            out.real = static_cast<double>(in.cyVal.int64) / 10000.0;
        }
        return S_OK;
    case VT_DECIMAL: {
        VARIANT real;
        HRESULT hr = VariantChangeType(&real, &in, 0, VT_R8);
        if (FAILED(hr)) return hr;
        out.kind = Kind::Real;
        out.real = real.dblVal;
        return S_OK;
    }
    case VT_BSTR:
        out.kind = Kind::Text;
        out.text.assign(in.bstrVal ? in.bstrVal : u"", SysStringLen(in.bstrVal));
        return S_OK;
    default: return DISP_E_BADVARTYPE;
    }
}
