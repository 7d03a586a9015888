#pragma once
// A bitmap resource: the bytes of a BMP file, with its size read from the header.

#include <span>

#include "platform/framework/CString.h"

class CBitmap {
public:
    BOOL LoadBitmap(LPCTSTR resourceName);
    BOOL LoadBitmap(UINT resourceId);
    // Loads a BMP file's bytes that are not a resource (icons, tests).
    BOOL LoadFromBytes(std::span<const unsigned char> bytes);

    bool IsLoaded() const { return !m_bytes.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    std::span<const unsigned char> FileBytes() const { return m_bytes; }
    const CString& Name() const { return m_name; }

private:
    std::span<const unsigned char> m_bytes;
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    CString m_name;
};

// An icon is a bitmap resource of kind ICON here.
using HICON = const CBitmap*;
