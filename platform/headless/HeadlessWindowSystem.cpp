#include "platform/headless/HeadlessWindowSystem.h"

#include "platform/framework/CDialog.h"

ShownMessageBox* HeadlessWindowSystem::OldestUnexpectedBox() {
    for (ShownMessageBox& box : m_boxes) {
        if (!box.expected) return &box;
    }
    return nullptr;
}

void HeadlessWindowSystem::CreateDialogWindow(CDialog& dialog) {
    Write("dialog " + std::to_string(dialog.TemplateId()) + " opened");
}

void HeadlessWindowSystem::RunModalLoop(CDialog& dialog) {
    while (!dialog.HasEnded()) {
        if (!m_driver) throw HeadlessStop{};
        m_driver->Step();
    }
}

void HeadlessWindowSystem::DestroyDialogWindow(CDialog& dialog) {
    Write("dialog " + std::to_string(dialog.TemplateId()) + " ended");
}

std::string HeadlessWindowSystem::ButtonsName(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_YESNO: return "yesno";
    case MB_YESNOCANCEL: return "yesnocancel";
    default: return "ok";
    }
}

std::string HeadlessWindowSystem::IconName(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: return "stop";
    case MB_ICONQUESTION: return "question";
    default: return "none";
    }
}

std::string HeadlessWindowSystem::AnswerName(int answer) {
    switch (answer) {
    case IDYES: return "yes";
    case IDNO: return "no";
    case IDCANCEL: return "cancel";
    default: return "ok";
    }
}

int HeadlessWindowSystem::ChooseAnswer(const MessageBoxRequest& request) {
    std::string buttons = ButtonsName(request.type);
    if (request.isNotice || buttons == "ok") return IDOK;
    if (m_answers.empty()) {
        throw HeadlessStop{true, "message box \"" + request.text.ToUtf8() + "\" (" + buttons +
                                     ") was shown with no answer queued"};
    }
    int answer = m_answers.front();
    m_answers.pop_front();
    bool offered = answer == IDYES || answer == IDNO || (answer == IDCANCEL && buttons == "yesnocancel");
    if (!offered) {
        throw HeadlessStop{true, "the queued answer '" + AnswerName(answer) + "' is not a button of message box \"" +
                                     request.text.ToUtf8() + "\" (" + buttons + ")"};
    }
    return answer;
}

int HeadlessWindowSystem::ShowMessageBox(const MessageBoxRequest& request) {
    int answer = ChooseAnswer(request);
    m_boxes.push_back(ShownMessageBox{request, answer, false});
    if (request.isNotice) {
        Write("notice \"" + request.text.ToUtf8() + "\" -> ok");
    } else {
        Write("box " + request.caption.ToUtf8() + " | " + request.text.ToUtf8() + " | " + ButtonsName(request.type) +
              " | " + IconName(request.type) + " -> " + AnswerName(answer));
    }
    return answer;
}

void HeadlessWindowSystem::TitleChanged(const CString& title) {
    Write("title " + title.ToUtf8());
}

void HeadlessWindowSystem::Beep() {
    Write("beep");
}

void HeadlessWindowSystem::StatementFailed(const CString& reason) {
    Write("statement failed: " + reason.ToUtf8());
}

void HeadlessWindowSystem::Write(const std::string& line) const {
    if (m_transcript) m_transcript(line);
}
