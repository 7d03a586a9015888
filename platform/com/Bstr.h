#pragma once
// Automation texts: UTF-16, counted, allocated and freed by these calls alone.

#include <string_view>

#include "platform/com/ComTypes.h"

BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, unsigned length);
inline BSTR SysAllocString(std::u16string_view text) {
    return SysAllocStringLen(text.data(), static_cast<unsigned>(text.size()));
}
void SysFreeString(BSTR text);
unsigned SysStringLen(BSTR text);
