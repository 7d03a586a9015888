#include "platform/com/Variant.h"

// The VARIANT API: making, copying, clearing and converting values, and the
// two formatting calls. Conversions are VariantConversion's, the texts of
// dates and money VariantText's; this file only checks the arguments and
// decides who owns what.

#include <string>

#include "platform/com/VariantConversion.h"
#include "platform/com/VariantText.h"

void VariantInit(VARIANT* v) {
    if (!v) return;
    v->vt = VT_EMPTY;
    v->decVal = DECIMAL{};
}

HRESULT VariantClear(VARIANT* v) {
    if (!v) return E_POINTER;
    if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
    if (v->vt == VT_UNKNOWN && v->punkVal) v->punkVal->Release();
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
    if (!dest || !src) return E_POINTER;
    if (dest == src) return S_OK;
    VARIANT copy = *src;
    if (src->vt == VT_BSTR) {
        copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (!copy.bstrVal && src->bstrVal) return E_OUTOFMEMORY;
    }
    if (src->vt == VT_UNKNOWN && src->punkVal) src->punkVal->AddRef();
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, std::uint16_t, VARTYPE vt) {
    if (!dest || !src) return E_POINTER;
    if ((src->vt & (VT_ARRAY | VT_BYREF)) || (vt & (VT_ARRAY | VT_BYREF))) return DISP_E_BADVARTYPE;
    if (src->vt == vt) return VariantCopy(dest, src);
    if (src->vt == VT_NULL || src->vt == VT_EMPTY) {
        if (vt != VT_BSTR && vt != VT_NULL && vt != VT_EMPTY) return DISP_E_TYPEMISMATCH;
    }
    VARIANT result;
    HRESULT hr = VariantConversion::Convert(src, vt, result);
    if (FAILED(hr)) return hr;  // a failed conversion allocates nothing
    VariantClear(dest);
    *dest = result;
    return S_OK;
}

HRESULT VarCyFromDec(const DECIMAL* in, CY* out) {
    if (!in || !out) return E_POINTER;
    VARIANT v;
    v.vt = VT_DECIMAL;
    v.decVal = *in;
    VARIANT cy;
    HRESULT hr = VariantConversion::Convert(&v, VT_CY, cy);
    if (SUCCEEDED(hr)) *out = cy.cyVal;
    return hr;
}

HRESULT VarFormatCurrency(const VARIANT* in, BSTR* out) {
    if (!in || !out) return E_POINTER;
    *out = nullptr;
    VARIANT cy;
    HRESULT hr = in->vt == VT_CY ? (cy = *in, S_OK) : VariantConversion::Convert(in, VT_CY, cy);
    if (FAILED(hr)) return hr;
    *out = SysAllocString(VariantText::CurrencyText(cy.cyVal.int64));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT VarFormatDateTime(const VARIANT* in, BSTR* out) {
    if (!in || !out) return E_POINTER;
    *out = nullptr;
    VARIANT date;
    HRESULT hr = in->vt == VT_DATE ? (date = *in, S_OK) : VariantConversion::Convert(in, VT_DATE, date);
    if (FAILED(hr)) return hr;
    std::u16string text;
    hr = VariantText::DateToText(date.date, text);
    if (FAILED(hr)) return hr;
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT MakeTextVariant(std::u16string_view text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    return v;
}

VARIANT MakeI4Variant(std::int32_t value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT MakeUnknownVariant(IUnknown* object) {
    VARIANT v;
    v.vt = VT_UNKNOWN;
    v.punkVal = object;
    if (object) object->AddRef();
    return v;
}
