#pragma once
// One field value as the database holds it.

#include <cstdint>
#include <string>

#include "platform/com/Variant.h"

struct StoredValue {
    enum class Kind { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::u16string text;

    // Integers come back as 32-bit integers, reals as doubles, texts as texts.
    HRESULT ToVariant(VARIANT* out) const;
    static HRESULT FromVariant(const VARIANT& in, StoredValue& out);
};
