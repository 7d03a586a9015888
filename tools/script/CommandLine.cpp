#include "tools/script/CommandLine.h"

bool CommandLine::Parse(int argc, const char* const* argv) {
    bool haveFile = false;
    for (int index = 1; index < argc; ++index) {
        std::string argument = argv[index];
        if (argument.size() > 1 && argument.front() == '-') {
            if (!TakeOption(argument, index, argc, argv)) return false;
        } else if (haveFile) {
            return Fail("one scenario file expected, found a second one: " + argument);
        } else {
            m_file = argument;
            haveFile = true;
        }
    }
    if (!haveFile && !m_help) return Fail("no scenario file given");
    return true;
}

bool CommandLine::TakeOption(const std::string& argument, int& index, int argc, const char* const* argv) {
    if (argument == "--help" || argument == "-h") {
        m_help = true;
        return true;
    }
    if (argument == "--device-root") {
        if (m_deviceRoot) return Fail("--device-root given twice");
        if (index + 1 >= argc || std::string(argv[index + 1]).empty()) return Fail("--device-root needs a folder");
        m_deviceRoot = argv[++index];
        return true;
    }
    if (argument == "--database") {
        if (m_database) return Fail("--database given twice");
        if (index + 1 >= argc || std::string(argv[index + 1]).empty()) return Fail("--database needs a connection");
        m_database = argv[++index];
        return true;
    }
    return Fail("unknown option " + argument);
}

const char* CommandLine::Usage() {
    return "usage: cartavel-script [--device-root DIR] [--database URL] FILE\n"
           "  Runs the scenario FILE ('-' reads standard input) on the headless screen.\n"
           "  Without --device-root the device is a new empty temporary folder.\n"
           "  --database URL: the notebook is that PostgreSQL database (postgresql://...).\n"
           "  Exit status: 0 every expectation held, 1 one failed, 2 usage error or unreadable file.\n";
}

bool CommandLine::Fail(const std::string& message) {
    m_error = message;
    return false;
}
