#pragma once
// A window system without a screen: dialogs run in memory, message boxes are
// recorded and answered from a queue, and every event goes to a transcript.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/framework/WindowSystem.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/headless/HeadlessStop.h"

struct ShownMessageBox {
    MessageBoxRequest request;
    int answer = IDOK;
    bool expected = false;  // a driver has looked at it
};

class HeadlessWindowSystem : public WindowSystem {
public:
    void SetDriver(HeadlessDriver* driver) { m_driver = driver; }
    void SetTranscript(std::function<void(const std::string&)> sink) { m_transcript = std::move(sink); }

    // Queues the answer (IDYES, IDNO, IDCANCEL, IDOK) for the next message
    // box owned by a dialog that has more than an OK button.
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    size_t QueuedAnswers() const { return m_answers.size(); }
    std::vector<ShownMessageBox>& MessageBoxes() { return m_boxes; }
    // The oldest box no driver has looked at yet, or null.
    ShownMessageBox* OldestUnexpectedBox();

    void CreateDialogWindow(CDialog& dialog) override;
    void RunModalLoop(CDialog& dialog) override;
    void DestroyDialogWindow(CDialog& dialog) override;
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void TitleChanged(const CString& title) override;
    void Beep() override;
    void StatementFailed(const CString& reason) override;

    static std::string ButtonsName(UINT type);
    static std::string IconName(UINT type);
    static std::string AnswerName(int answer);

private:
    void Write(const std::string& line) const;
    int ChooseAnswer(const MessageBoxRequest& request);

    HeadlessDriver* m_driver = nullptr;
    std::function<void(const std::string&)> m_transcript;
    std::deque<int> m_answers;
    std::vector<ShownMessageBox> m_boxes;
};
