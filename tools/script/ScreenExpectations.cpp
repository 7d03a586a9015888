#include "tools/script/ScreenExpectations.h"

#include "platform/framework/CDialog.h"
#include "platform/framework/NavigationBar.h"
#include "tools/script/MessageText.h"
#include "tools/script/ScriptFailure.h"

namespace {

std::string DialogName(int id) {
    return id < 0 ? "none" : "dialog " + std::to_string(id);
}

std::string BoxName(const CString& caption, const CString& text, const std::string& buttons,
                    const std::string& icon) {
    return "box " + MessageText::Quote(caption) + " | " + MessageText::Quote(text) + " | " + buttons + " | " + icon;
}

} // namespace

void ScreenExpectations::Run(const ScenarioCommand& command) {
    switch (command.kind) {
    case CommandKind::ExpectDialog: return Dialog(command);
    case CommandKind::ExpectTitle: return Title(command);
    case CommandKind::ExpectNotice: return Notice(command);
    case CommandKind::ExpectBox: return Box(command);
    case CommandKind::ExpectNoBox: return NoBox();
    default: throw ScriptFailure{"not an expectation on the screen"};
    }
}

void ScreenExpectations::Dialog(const ScenarioCommand& command) {
    CDialog* top = CDialog::TopDialog();
    int found = top ? static_cast<int>(top->TemplateId()) : -1;
    if (found != command.id) throw ScriptFailure::Expected(DialogName(command.id), DialogName(found));
}

void ScreenExpectations::Title(const ScenarioCommand& command) {
    const CString& title = NavigationBar::Title();
    if (title != command.text) {
        throw ScriptFailure::Expected(MessageText::Quote(command.text), MessageText::Quote(title));
    }
}

void ScreenExpectations::Notice(const ScenarioCommand& command) {
    std::string expected = "notice " + MessageText::Quote(command.text);
    ShownMessageBox& box = Oldest(expected);
    // A notice asks for OK and no icon; anything else is a fault of the program.
    bool holds = box.request.isNotice && box.request.text == command.text &&
                 HeadlessWindowSystem::ButtonsName(box.request.type) == "ok" &&
                 HeadlessWindowSystem::IconName(box.request.type) == "none";
    if (!holds) throw ScriptFailure::Expected(expected, Describe(box));
    box.expected = true;
}

void ScreenExpectations::Box(const ScenarioCommand& command) {
    std::string expected = BoxName(command.caption, command.text, command.buttons, command.icon);
    ShownMessageBox& box = Oldest(expected);
    const MessageBoxRequest& asked = box.request;
    bool holds = !asked.isNotice && asked.caption == command.caption && asked.text == command.text &&
                 HeadlessWindowSystem::ButtonsName(asked.type) == command.buttons &&
                 HeadlessWindowSystem::IconName(asked.type) == command.icon;
    if (!holds) throw ScriptFailure::Expected(expected, Describe(box));
    box.expected = true;
}

void ScreenExpectations::NoBox() {
    if (ShownMessageBox* box = m_screen.OldestUnexpectedBox()) {
        throw ScriptFailure::Expected("no message box that the script has not expected", Describe(*box));
    }
}

ShownMessageBox& ScreenExpectations::Oldest(const std::string& expected) {
    ShownMessageBox* box = m_screen.OldestUnexpectedBox();
    if (!box) throw ScriptFailure::Expected(expected, "no message box not yet expected");
    return *box;
}

std::string ScreenExpectations::Describe(const ShownMessageBox& box) {
    const MessageBoxRequest& asked = box.request;
    std::string buttons = HeadlessWindowSystem::ButtonsName(asked.type);
    std::string icon = HeadlessWindowSystem::IconName(asked.type);
    if (!asked.isNotice) return BoxName(asked.caption, asked.text, buttons, icon);
    std::string out = "notice " + MessageText::Quote(asked.text);
    if (buttons != "ok" || icon != "none") out += " (asked with buttons " + buttons + " and icon " + icon + ")";
    return out;
}
