#pragma once
// The basic types, constants and notification records of the device's
// application framework, as the program's code spells them.

#include <cstdint>

#include "platform/shell/SystemTime.h"

class CWnd;

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using LONG = std::int32_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using HWND = CWnd*;
using TCHAR = char16_t;
using LPCTSTR = const char16_t*;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Wide literals: every text of the program is UTF-16.
#define _T(text) u##text

// Dialog results and command identifiers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDC_STATIC = -1;

// Message box types and icons.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONSTOP = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONMASK = 0x00F0;

// Showing and hiding windows.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Icons of a window.
constexpr int ICON_SMALL = 0;
constexpr int ICON_BIG = 1;

// List view column formats and the one extended style the program uses.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x00000020;

// Notification codes: command notifications travel with the control id,
// the others as records that start with NMHDR.
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT NM_CLICK = static_cast<UINT>(-2);
constexpr UINT TCN_SELCHANGE = static_cast<UINT>(-551);
constexpr UINT MCN_SELECT = static_cast<UINT>(-746);

struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// A list view click: the row under the tap, -1 beside the rows.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
};
using NMLISTVIEW = NMITEMACTIVATE;

// A month calendar pick.
struct NMSELCHANGE {
    NMHDR nmhdr;
    SYSTEMTIME stSelStart;
    SYSTEMTIME stSelEnd;
};

// Dialog units to the device's pixels: 1 unit is 1.5 pixels both ways.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
