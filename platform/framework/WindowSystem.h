#pragma once
// What makes the screen: the headless window system for scripts and tests,
// or the one on Qt for a person. The framework hands it every dialog it runs,
// every message box, the navigation-bar title, the beep and the reason a
// statement failed.

#include "platform/framework/CString.h"

class CDialog;
class CWnd;

// How a message box was asked for.
struct MessageBoxRequest {
    CWnd* owner = nullptr;  // the dialog that owns it; null for a notice
    bool isNotice = false;  // the application-level box
    CString text;
    CString caption;
    UINT type = MB_OK;      // buttons | icon
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    static WindowSystem* Current();
    // Makes this the window system of the program; returns the one before.
    static WindowSystem* Install(WindowSystem* windowSystem);

    // The dialog's controls exist; make its window (hidden until RunModalLoop).
    virtual void CreateDialogWindow(CDialog& dialog) = 0;
    // Shows the dialog and takes the user's actions until it has ended.
    virtual void RunModalLoop(CDialog& dialog) = 0;
    // The dialog has ended; its opener, if any, shows again as it was.
    virtual void DestroyDialogWindow(CDialog& dialog) = 0;
    // Shows a message box and returns the button pressed (IDOK, IDYES, ...).
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // The dialog refused the text of control nID and has said so: a screen
    // takes the person there, the text selected, for the correction. Without
    // a person nothing moves.
    virtual void FieldRefused(CDialog& dialog, int nID) { (void)dialog; (void)nID; }
    virtual void TitleChanged(const CString& title) = 0;
    virtual void Beep() = 0;
    // A statement of the program's data access failed, for this reason: for
    // a log that people read. A screen need not show it; the user sees the
    // dialog's own message.
    virtual void StatementFailed(const CString& reason) { (void)reason; }
};
