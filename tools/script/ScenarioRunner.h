#pragma once
// Runs a scenario: the lines before `start` on their own, then the program on
// the headless screen, which asks for one line at a time while its dialogs
// run, and the lines left when the program has ended.

#include <filesystem>
#include <vector>

#include "platform/headless/HeadlessWindowSystem.h"
#include "tools/script/ScenarioCommand.h"
#include "tools/script/ScreenExpectations.h"

class ScenarioRunner : public HeadlessDriver {
public:
    ScenarioRunner(std::vector<ScenarioCommand> commands, const std::filesystem::path& deviceRoot);
    ~ScenarioRunner() override;
    ScenarioRunner(const ScenarioRunner&) = delete;
    ScenarioRunner& operator=(const ScenarioRunner&) = delete;

    // The exit status: 0 when every expectation held, 1 when one did not or a
    // command could not be carried out.
    int Run();
    void Step() override;

private:
    enum class Program { NotStarted, Running, Ended };

    void Execute(const ScenarioCommand& command);
    void Dispatch(const ScenarioCommand& written);
    ScenarioCommand Resolved(const ScenarioCommand& written) const;
    void Start();
    static void Today(const ScenarioCommand& command);
    void Dump(const ScenarioCommand& command);
    CDialog& RunningDialog() const;
    void NoteUnusedAnswers() const;
    static std::string Prefix(const ScenarioCommand& command);
    static void Write(const std::string& line);

    std::vector<ScenarioCommand> m_commands;
    size_t m_next = 0;
    HeadlessWindowSystem m_screen;
    WindowSystem* m_previous = nullptr;
    ScreenExpectations m_screenExpectations;
    Program m_program = Program::NotStarted;
    // The innermost command that failed has put its line into the reason.
    bool m_failureNamed = false;
};
