#include "platform/recordset/StoredValue.h"

#include <cstdint>

HRESULT StoredValue::ToVariant(VARIANT* out) const {
    if (!out) return E_POINTER;
    VariantInit(out);
    switch (kind) {
    case Kind::Null: out->vt = VT_NULL; return S_OK;
    case Kind::Integer:
        if (integer >= INT32_MIN && integer <= INT32_MAX) {
            out->vt = VT_I4;
            out->lVal = static_cast<std::int32_t>(integer);
        } else {
            out->vt = VT_R8;
            out->dblVal = static_cast<double>(integer);
        }
        return S_OK;
    case Kind::Real: out->vt = VT_R8; out->dblVal = real; return S_OK;
    case Kind::Text:
        out->vt = VT_BSTR;
        out->bstrVal = SysAllocString(text);
        return out->bstrVal ? S_OK : E_OUTOFMEMORY;
    }
    return E_FAIL;
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
