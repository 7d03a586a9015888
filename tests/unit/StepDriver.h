#pragma once
// Drives a headless run from a list of steps: each step is one user action
// (or check) on the top dialog. When the steps run out the run is stopped.

#include <deque>
#include <functional>

#include "platform/framework/CDialog.h"
#include "platform/headless/HeadlessWindowSystem.h"

class StepDriver : public HeadlessDriver {
public:
    using Action = std::function<void(CDialog& top)>;

    StepDriver() {
        m_previous = WindowSystem::Install(&m_screen);
        m_screen.SetDriver(this);
        m_screen.SetTranscript([this](const std::string& line) { m_transcript.push_back(line); });
    }
    ~StepDriver() override { WindowSystem::Install(m_previous); }

    void Then(Action step) { m_steps.push_back(std::move(step)); }

    // Runs the dialog modally with the steps; true when it ended by itself.
    bool Run(CDialog& dialog) {
        try {
            dialog.DoModal();
            return true;
        } catch (const HeadlessStop& stop) {
            m_stopReason = stop.reason;
            return false;
        }
    }

    void Step() override {
        if (m_steps.empty()) throw HeadlessStop{};
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        step(*CDialog::TopDialog());
    }

    HeadlessWindowSystem& Screen() { return m_screen; }
    const std::vector<std::string>& Transcript() const { return m_transcript; }
    const std::string& StopReason() const { return m_stopReason; }

private:
    HeadlessWindowSystem m_screen;
    WindowSystem* m_previous = nullptr;
    std::deque<Action> m_steps;
    std::vector<std::string> m_transcript;
    std::string m_stopReason;
};
