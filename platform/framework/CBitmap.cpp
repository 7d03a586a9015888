#include "platform/framework/CBitmap.h"

#include <cstdint>
#include <string>

#include "platform/framework/Resources.h"

namespace {

std::int32_t ReadLittleEndian(std::span<const unsigned char> b, size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return static_cast<std::int32_t>(v);
}

} // namespace

BOOL CBitmap::LoadFromBytes(std::span<const unsigned char> bytes) {
    // BITMAPFILEHEADER (14 bytes) then BITMAPINFOHEADER (at least 40 bytes).
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return FALSE;
    m_width = ReadLittleEndian(bytes, 18, 4);
    int height = ReadLittleEndian(bytes, 22, 4);
    m_height = height < 0 ? -height : height;
    m_bitsPerPixel = ReadLittleEndian(bytes, 28, 2);
    m_bytes = bytes;
    return TRUE;
}

BOOL CBitmap::LoadBitmap(LPCTSTR resourceName) {
    m_name = resourceName;
    auto bytes = Resources::Find("BITMAP", m_name.ToUtf8());
    if (bytes.empty()) bytes = Resources::Find("ICON", m_name.ToUtf8());
    return LoadFromBytes(bytes);
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    return LoadBitmap(CString::Formatted(u"%u", resourceId));
}
