#include "platform/com/Bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

// A BSTR points just past a 32-bit length and ends with a null character, so
// that it can be read as a plain wide string too.

BSTR SysAllocStringLen(const OLECHAR* text, unsigned length) {
    auto* block = static_cast<unsigned char*>(std::malloc(sizeof(std::uint32_t) + (length + 1) * sizeof(OLECHAR)));
    if (!block) return nullptr;
    std::uint32_t bytes = length * sizeof(OLECHAR);
    std::memcpy(block, &bytes, sizeof bytes);
    auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(std::uint32_t));
    if (text && length) std::memcpy(chars, text, length * sizeof(OLECHAR));
    else if (length) std::memset(chars, 0, length * sizeof(OLECHAR));
    chars[length] = 0;
    return chars;
}

BSTR SysAllocString(const OLECHAR* text) {
    if (!text) return nullptr;
    unsigned length = 0;
    while (text[length]) ++length;
    return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text) {
    if (text) std::free(reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t));
}

unsigned SysStringLen(BSTR text) {
    if (!text) return 0;
    std::uint32_t bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t), sizeof bytes);
    return bytes / sizeof(OLECHAR);
}
