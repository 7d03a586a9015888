#pragma once
// Expectations on what the screen as a whole shows: the dialog on top, the
// navigation-bar title and the message boxes, each box checked once, oldest
// first.

#include "platform/headless/HeadlessWindowSystem.h"
#include "tools/script/ScenarioCommand.h"

class ScreenExpectations {
public:
    explicit ScreenExpectations(HeadlessWindowSystem& screen) : m_screen(screen) {}
    void Run(const ScenarioCommand& command);

    static std::string Describe(const ShownMessageBox& box);

private:
    static void Dialog(const ScenarioCommand& command);
    static void Title(const ScenarioCommand& command);
    void Notice(const ScenarioCommand& command);
    void Box(const ScenarioCommand& command);
    void NoBox();
    ShownMessageBox& Oldest(const std::string& expected);

    HeadlessWindowSystem& m_screen;
};
