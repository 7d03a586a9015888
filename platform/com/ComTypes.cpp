#include "platform/com/ComTypes.h"

#include <cstring>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits at text[at]; false on anything else.
bool ReadHex(std::string_view text, size_t at, int digits, std::uint64_t& out) {
    out = 0;
    for (int i = 0; i < digits; ++i) {
        int v = at + i < text.size() ? HexValue(text[at + i]) : -1;
        if (v < 0) return false;
        out = (out << 4) | static_cast<std::uint64_t>(v);
    }
    return true;
}

} // namespace

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

bool GUID::Parse(std::string_view t, GUID& out) {
    if (t.size() != 38 || t[0] != '{' || t[9] != '-' || t[14] != '-' || t[19] != '-' || t[24] != '-' || t[37] != '}') {
        return false;
    }
    std::uint64_t v = 0;
    if (!ReadHex(t, 1, 8, v)) return false;
    out.Data1 = static_cast<std::uint32_t>(v);
    if (!ReadHex(t, 10, 4, v)) return false;
    out.Data2 = static_cast<std::uint16_t>(v);
    if (!ReadHex(t, 15, 4, v)) return false;
    out.Data3 = static_cast<std::uint16_t>(v);
    const size_t bytes[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(t, bytes[i], 2, v)) return false;
        out.Data4[i] = static_cast<std::uint8_t>(v);
    }
    return true;
}

bool operator==(const GUID& a, const GUID& b) {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 && std::memcmp(a.Data4, b.Data4, 8) == 0;
}
