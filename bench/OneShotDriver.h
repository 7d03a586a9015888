#pragma once
// Runs dialogs on the headless screen for a benchmark: the first dialog that
// waits for the person is handed to the work once; then every dialog that
// waits (the first, or one the work opened and left open) is ended, as a
// person closing it would. The driver's screen is the active window system
// while it lives.

#include <functional>

#include "platform/framework/CDialog.h"
#include "platform/headless/HeadlessWindowSystem.h"

class OneShotDriver : public HeadlessDriver {
public:
    explicit OneShotDriver(std::function<void(CDialog&)> work = {}) : m_work(std::move(work)) {
        m_previous = WindowSystem::Install(&m_screen);
        m_screen.SetDriver(this);
    }
    ~OneShotDriver() override { WindowSystem::Install(m_previous); }

    // The answer the next question box gets (IDYES, IDNO ...).
    void QueueAnswer(int answer) { m_screen.QueueAnswer(answer); }

    void Step() override {
        CDialog* top = CDialog::TopDialog();
        if (!m_shown) {
            m_shown = true;
            Shown(*top);
        }
        if (!top->HasEnded()) top->EndDialog(IDCANCEL);
    }

protected:
    // The first dialog has shown and waits for the person.
    virtual void Shown(CDialog& dialog) {
        if (m_work) m_work(dialog);
    }

private:
    HeadlessWindowSystem m_screen;
    WindowSystem* m_previous = nullptr;
    std::function<void(CDialog&)> m_work;
    bool m_shown = false;
};
