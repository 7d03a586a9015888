#pragma once
// First installation: the device folder and the empty database with its five
// tables. It never touches a database file that is already there.

#include <filesystem>
#include <string>

class FirstInstallation {
public:
    enum class Outcome { Created, AlreadyInstalled, Failed };
    struct Result {
        Outcome outcome = Outcome::Failed;
        std::string message;  // for people: what was done, or why it failed
    };

    // The database file below a device root.
    static std::filesystem::path DatabasePath(const std::filesystem::path& deviceRoot);
    static Result Install(const std::filesystem::path& deviceRoot);
    // The statements that make the tables, indexes and triggers.
    static const char* SchemaSql();
};
