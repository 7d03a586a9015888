#include "tools/script/ScenarioRunner.h"

#include <cstdio>
#include <exception>

#include "app/CShopApp.h"
#include "platform/framework/CDialog.h"
#include "platform/shell/DeviceClock.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/script/ActionCommands.h"
#include "tools/script/ControlDump.h"
#include "tools/script/ControlExpectations.h"
#include "tools/script/DatabaseCommands.h"
#include "tools/script/ResourceNames.h"
#include "tools/script/ScriptFailure.h"

ScenarioRunner::ScenarioRunner(std::vector<ScenarioCommand> commands, const std::filesystem::path& deviceRoot)
    : m_commands(std::move(commands)), m_screenExpectations(m_screen) {
    DeviceFileSystem::SetRoot(deviceRoot);
    m_screen.SetDriver(this);
    m_screen.SetTranscript(&ScenarioRunner::Write);
    m_previous = WindowSystem::Install(&m_screen);
    // Notices carry the application's title, the program file's base name.
    CWinApp::SetProgramFileName(u"cartavel");
}

ScenarioRunner::~ScenarioRunner() {
    WindowSystem::Install(m_previous);
}

int ScenarioRunner::Run() {
    try {
        while (m_next < m_commands.size()) Execute(m_commands[m_next++]);
    } catch (const HeadlessStop& stop) {
        if (stop.failed) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s\n", stop.reason.c_str());
            return 1;
        }
    }
    NoteUnusedAnswers();
    return 0;
}

void ScenarioRunner::Step() {
    if (m_next >= m_commands.size()) {
        Write("end of the scenario while dialog " + std::to_string(CDialog::TopDialog()->TemplateId()) + " runs");
        throw HeadlessStop{};
    }
    Execute(m_commands[m_next++]);
}

void ScenarioRunner::Execute(const ScenarioCommand& command) {
    Write("> " + command.source);
    try {
        Dispatch(command);
    } catch (const ScriptFailure& failure) {
        m_failureNamed = true;
        throw HeadlessStop{true, Prefix(command) + failure.reason};
    } catch (HeadlessStop& stop) {
        // The window system stops a run without knowing which line caused it.
        if (stop.failed && !m_failureNamed) stop.reason = Prefix(command) + stop.reason;
        m_failureNamed = m_failureNamed || stop.failed;
        throw;
    } catch (const std::exception& error) {
        m_failureNamed = true;
        throw HeadlessStop{true, Prefix(command) + "the program stopped with an error: " + error.what()};
    }
}

void ScenarioRunner::Dispatch(const ScenarioCommand& written) {
    const ScenarioCommand command = Resolved(written);
    switch (command.kind) {
    case CommandKind::Install: return Write(DatabaseCommands::Install());
    case CommandKind::Sql: return DatabaseCommands::Sql(command);
    case CommandKind::ExpectDb: return DatabaseCommands::ExpectDb(command);
    case CommandKind::Today: return Today(command);
    case CommandKind::Start: return Start();
    case CommandKind::Answer: return m_screen.QueueAnswer(command.number);
    case CommandKind::Dump: return Dump(command);
    case CommandKind::Click: case CommandKind::Type: case CommandKind::Choose: case CommandKind::Tab:
    case CommandKind::Tap: case CommandKind::Date: case CommandKind::Focus: case CommandKind::Ok:
    case CommandKind::Close:
        return ActionCommands::Run(command, RunningDialog());
    case CommandKind::ExpectDialog: case CommandKind::ExpectTitle: case CommandKind::ExpectNotice:
    case CommandKind::ExpectBox: case CommandKind::ExpectNoBox:
        return m_screenExpectations.Run(command);
    default:
        return ControlExpectations::Run(command, RunningDialog());
    }
}

// A control written by its name gets the number it has in the dialog in front;
// the same name in another dialog's template is an error, not a guess.
ScenarioCommand ScenarioRunner::Resolved(const ScenarioCommand& written) const {
    if (written.controlName.empty()) return written;
    const int templateId = RunningDialog().TemplateId();
    std::optional<int> number = ResourceNames::ControlNumber(written.controlName, templateId);
    if (!number) {
        throw ScriptFailure::Expected(
            "control " + written.controlName + " in dialog " + std::to_string(templateId),
            "a name of dialog " + std::to_string(ResourceNames::OwnerOf(written.controlName)));
    }
    ScenarioCommand command = written;
    command.id = *number;
    return command;
}

void ScenarioRunner::Start() {
    if (CDialog* top = CDialog::TopDialog()) {
        throw ScriptFailure::Expected("the program not running",
                                      "it running with dialog " + std::to_string(top->TemplateId()) + " on top");
    }
    // Naming the application object also keeps it linked in from the
    // program's library, where nothing else refers to it.
    CWinApp& app = theApp;
    if (AfxGetApp() != &app) throw ScriptFailure{"the program's application object is missing"};
    m_program = Program::Running;
    AfxWinMain();
    m_program = Program::Ended;
}

void ScenarioRunner::Today(const ScenarioCommand& command) {
    const SYSTEMTIME& day = command.date;
    if (!DeviceClock::SetToday(day.wYear, day.wMonth, day.wDay)) {
        throw ScriptFailure::Expected("a day the device's clock can show", "one out of its range");
    }
}

void ScenarioRunner::Dump(const ScenarioCommand& command) {
    for (const std::string& line : ControlDump::Lines(RunningDialog(), command.id)) Write(line);
}

CDialog& ScenarioRunner::RunningDialog() const {
    if (CDialog* top = CDialog::TopDialog()) return *top;
    throw ScriptFailure::Expected("a running dialog", m_program == Program::NotStarted
                                                          ? "none (the program has not been started)"
                                                          : "none (the program has ended)");
}

void ScenarioRunner::NoteUnusedAnswers() const {
    if (size_t left = m_screen.QueuedAnswers()) {
        Write(std::to_string(left) + (left == 1 ? " queued answer was" : " queued answers were") + " not used");
    }
}

std::string ScenarioRunner::Prefix(const ScenarioCommand& command) {
    return "line " + std::to_string(command.line) + ": " + command.label + ": ";
}

void ScenarioRunner::Write(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}
