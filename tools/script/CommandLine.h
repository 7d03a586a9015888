#pragma once
// The driver's arguments: [--device-root DIR] [--database URL] FILE, where FILE '-' is the
// standard input.

#include <optional>
#include <string>

class CommandLine {
public:
    // False for a usage error; Error() says which.
    bool Parse(int argc, const char* const* argv);
    const std::string& Error() const { return m_error; }
    bool WantsHelp() const { return m_help; }
    const std::optional<std::string>& DeviceRoot() const { return m_deviceRoot; }
    // A shared notebook's connection, in place of the device's file.
    const std::optional<std::string>& Database() const { return m_database; }
    const std::string& ScriptFile() const { return m_file; }
    static const char* Usage();

private:
    bool TakeOption(const std::string& argument, int& index, int argc, const char* const* argv);
    bool Fail(const std::string& message);

    std::optional<std::string> m_deviceRoot;
    std::optional<std::string> m_database;
    std::string m_file;
    bool m_help = false;
    std::string m_error;
};
