#pragma once
// The data commands: first installation, preparing data with SQL, and
// looking at the rows the program stored. They work on the database file
// directly, whether or not the program runs, in the device root that the
// device's file system holds, or on the shared notebook when one is chosen.

#include <filesystem>

#include "tools/script/ScenarioCommand.h"

class DatabaseConnection;

class DatabaseCommands {
public:
    // What was done, for the transcript.
    static std::string Install();
    static void Sql(const ScenarioCommand& command);
    static void ExpectDb(const ScenarioCommand& command);

private:
    // `sql` (or, with expect, `expect db`) on the shared notebook.
    static void OnServer(const ScenarioCommand& command, bool expect);
    static std::filesystem::path DatabaseFile();
    static void Open(DatabaseConnection& connection, bool readOnly);
};
