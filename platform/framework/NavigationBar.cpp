#include "platform/framework/NavigationBar.h"

#include "platform/framework/WindowSystem.h"

namespace {

CString& StoredTitle() {
    static CString title;
    return title;
}

} // namespace

const CString& NavigationBar::Title() {
    return StoredTitle();
}

void NavigationBar::SetTitle(const CString& title) {
    StoredTitle() = title;
    if (WindowSystem* ws = WindowSystem::Current()) ws->TitleChanged(title);
}

BOOL SHSetNavBarText(HWND, LPCTSTR title) {
    NavigationBar::SetTitle(CString(title));
    return TRUE;
}

BOOL MessageBeep(UINT) {
    if (WindowSystem* ws = WindowSystem::Current()) ws->Beep();
    return TRUE;
}
