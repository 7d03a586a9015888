#pragma once
// The shell's navigation bar at the top of the screen, and its title.

#include "platform/framework/CString.h"

class NavigationBar {
public:
    static const CString& Title();
    static void SetTitle(const CString& title);
};

// The shell call the program makes: the window asking, and the new title.
BOOL SHSetNavBarText(HWND hwndRequester, LPCTSTR title);
// A short sound; the argument chooses the sound and is not used here.
BOOL MessageBeep(UINT uType);
