#pragma once
// The one reader of a column's value from a running SQLite statement, and
// the one way a value of the database becomes a VARIANT: integers within 32
// bits as VT_I4, wider ones and reals as VT_R8, texts as BSTRs, NULL as
// VT_NULL.
//
// Texts are read as the UTF-8 that SQLite stores and decoded by the
// project's one decoder: SQLite's own UTF-16 reading turns U+FFFE and U+FFFF
// into U+FFFD, so a stored name would no longer match itself once read.
// A ColumnValue only looks at its bytes: it is valid until the statement
// steps or is finalised. StoredValue keeps a value beyond that.

#include <cstdint>
#include <string_view>

#include "platform/com/Variant.h"

struct sqlite3_stmt;

struct ColumnValue {
    enum class Kind { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view utf8;

    // Column `column` of the statement's current row, by what is stored there.
    static ColumnValue Read(sqlite3_stmt* statement, int column);
    HRESULT ToVariant(VARIANT* out) const;
    // A value of these parts as a VARIANT; the text given already decoded.
    static HRESULT MakeVariant(Kind kind, std::int64_t integer, double real, std::u16string_view text, VARIANT* out);
};
