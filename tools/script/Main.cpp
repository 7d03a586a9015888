// cartavel-script: runs a scenario file against the program on the headless
// screen and reports whether every expectation held.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "platform/recordset/DatabaseChoice.h"
#include "tools/script/CommandLine.h"
#include "tools/script/DeviceRoot.h"
#include "tools/script/ScenarioParser.h"
#include "tools/script/ScenarioRunner.h"

namespace {

constexpr int kUsageError = 2;

bool ReadScript(const std::string& file, std::string& text) {
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(file, ignored)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return !in.bad();
}

bool PrepareDevice(const CommandLine& arguments, DeviceRoot& root, std::string& error) {
    if (arguments.DeviceRoot()) return root.UseFolder(*arguments.DeviceRoot(), error);
    return root.MakeTemporary(error);
}

} // namespace

int main(int argc, char** argv) {
    // Line by line, so that the transcript shows how far a run got even when
    // the program aborts.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    CommandLine arguments;
    if (!arguments.Parse(argc, argv)) {
        std::fprintf(stderr, "cartavel-script: %s\n%s", arguments.Error().c_str(), CommandLine::Usage());
        return kUsageError;
    }
    if (arguments.WantsHelp()) {
        std::fputs(CommandLine::Usage(), stdout);
        return 0;
    }
    std::string script;
    if (!ReadScript(arguments.ScriptFile(), script)) {
        std::fprintf(stderr, "cartavel-script: cannot read %s\n", arguments.ScriptFile().c_str());
        return kUsageError;
    }
    std::vector<ScenarioCommand> commands;
    ScenarioParser parser;
    if (!parser.Parse(script, commands)) {
        std::fprintf(stderr, "%s\n", parser.Error().c_str());
        return 1;
    }
    if (arguments.Database()) DatabaseChoice::UsePostgres(*arguments.Database());
    DeviceRoot root;
    std::string error;
    if (!PrepareDevice(arguments, root, error)) {
        std::fprintf(stderr, "cartavel-script: %s\n", error.c_str());
        return arguments.DeviceRoot() ? kUsageError : 1;
    }
    ScenarioRunner runner(std::move(commands), root.Path());
    return runner.Run();
}
