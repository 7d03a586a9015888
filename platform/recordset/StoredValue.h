#pragma once
// One field value as the database holds it, kept: a row taken into memory,
// or a value written to a field and waiting for its row to be written back.
// It is read and turned into a VARIANT the way ColumnValue does it, so a
// value looks the same from memory as from the running statement.

#include <cstdint>
#include <string>

#include "platform/com/Variant.h"
#include "platform/recordset/ColumnValue.h"

struct StoredValue {
    using Kind = ColumnValue::Kind;
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::u16string text;

    static StoredValue Of(const ColumnValue& value);
    HRESULT ToVariant(VARIANT* out) const { return ColumnValue::MakeVariant(kind, integer, real, text, out); }
    // Exact numbers as integers (a currency with no fraction too), other
    // numbers and dates as reals, texts as texts; any other kind is refused.
    static HRESULT FromVariant(const VARIANT& in, StoredValue& out);
};
