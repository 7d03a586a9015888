#include "platform/recordset/ColumnValue.h"

#include <sqlite3.h>

#include "platform/shell/TextEncoding.h"

ColumnValue ColumnValue::Read(sqlite3_stmt* statement, int column) {
    ColumnValue value;
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        value.kind = Kind::Integer;
        value.integer = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        value.kind = Kind::Real;
        value.real = sqlite3_column_double(statement, column);
        break;
    case SQLITE_TEXT: {
        // The text first, then its length: asking for the text may convert it.
        auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        auto bytes = static_cast<size_t>(sqlite3_column_bytes(statement, column));
        value.kind = Kind::Text;
        value.utf8 = text ? std::string_view(text, bytes) : std::string_view();
        break;
    }
    default: break;  // NULL, and a BLOB, which no table of the program holds
    }
    return value;
}

HRESULT ColumnValue::ToVariant(VARIANT* out) const {
    if (kind != Kind::Text) return MakeVariant(kind, integer, real, {}, out);
    return MakeVariant(kind, integer, real, TextEncoding::FromUtf8(utf8), out);
}

HRESULT ColumnValue::MakeVariant(Kind kind, std::int64_t integer, double real, std::u16string_view text,
                                 VARIANT* out) {
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
