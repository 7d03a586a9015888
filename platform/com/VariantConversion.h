#pragma once
// VariantChangeType's work: a value of one kind as a value of another. Every
// numeric kind goes through an exact decimal, so that no value passes through
// a double on its way between integers, currency and decimals; texts are read
// by the rules in Variant.h and dates and money take their Korean forms.
// Doubles are read with std::from_chars, never through the C locale.
//
// It does not copy, clear or own variants (the API in Variant.cpp does), and
// it leaves the result's allocation to the caller on failure: a failed
// conversion allocates nothing.

#include "platform/com/Variant.h"

class VariantConversion {
public:
    // src as the kind vt, stored in result; src is never changed. Not for
    // array or by-reference kinds, nor for null or empty to a number.
    static HRESULT Convert(const VARIANT* src, VARTYPE vt, VARIANT& result);
};
