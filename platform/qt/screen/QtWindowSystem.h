#pragma once
// The window system on Qt Widgets: one window shows the device's screen, the
// navigation bar on top and the dialog that runs now below it. A modal dialog
// covers the one that opened it. Everything the person does goes through
// DialogInput, as in the headless window system, so focus loss and
// notifications come in the same order on both.

#include <functional>
#include <memory>
#include <vector>

#include "platform/framework/DialogTemplate.h"
#include "platform/framework/WindowSystem.h"
#include "platform/qt/widgets/NavigationBarView.h"

class DeviceScreen;
class DialogPage;
class QWidget;

class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;

    void CreateDialogWindow(CDialog& dialog) override;
    void RunModalLoop(CDialog& dialog) override;
    void DestroyDialogWindow(CDialog& dialog) override;
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void FieldRefused(CDialog& dialog, int nID) override;
    void TitleChanged(const CString& title) override;
    void Beep() override;

    DeviceScreen& Screen() const { return *m_screen; }
    // Called each time a dialog's modal loop has started with the dialog on
    // the screen; tests and the screenshot tool act from here.
    void SetDialogShownHook(std::function<void(CDialog&)> hook) { m_shownHook = std::move(hook); }
    // The widget that shows control nID of a running dialog, or null.
    QWidget* ControlWidget(const CDialog& dialog, int nID) const;

    // The dialog is the application's own window (its template says so):
    // Escape does not close it.
    static bool IsApplicationWindow(const CDialog& dialog);
    // Runs one action of the person, then brings the screen up to date.
    void Deliver(const std::function<void()>& action);
    // Shows deferred changes, moves Qt's focus to the framework's and ends the
    // loops of dialogs that have ended. For actions that bypass Deliver.
    void AfterInput();

    // Runs a change that the window system makes itself: focus events it
    // causes (a hidden control hands its focus on) are not the person's.
    void ApplyChange(const std::function<void()>& change);
    bool IsApplyingChange() const { return m_applying > 0; }
    // Counts the message boxes and dialogs that came up: a tap that one of
    // them interrupted goes no further.
    int Interruptions() const { return m_interruptions; }

private:
    DialogPage* PageOf(const CDialog& dialog) const;
    DialogPage* TopPage() const;
    // Shows the top page and hides the ones it covers.
    void ShowTopPage();
    // The button the navigation bar shows for a dialog of that template.
    static NavigationBarView::CaptionButton CaptionButtonOf(const DialogTemplate* t);
    void ActOnTopDialog(bool (*action)(CDialog&));
    // After a message box: the keyboard to the screen and the control that had it.
    void GiveKeyboardBack(QWidget* focus);

    std::unique_ptr<DeviceScreen> m_screen;
    std::vector<DialogPage*> m_pages;  // running dialogs, the top one last
    std::function<void(CDialog&)> m_shownHook;
    int m_applying = 0;
    int m_interruptions = 0;
};
