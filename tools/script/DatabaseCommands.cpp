#include "tools/script/DatabaseCommands.h"

#include "platform/recordset/DatabaseChoice.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"
#include "tools/install/PostgresInstallation.h"
#include "tools/script/DatabaseConnection.h"
#include "tools/script/MessageText.h"
#include "tools/script/PgScriptDatabase.h"
#include "tools/script/ScriptFailure.h"

namespace {

const char16_t* const kDevicePath = u"\\Program Files\\Cartavel\\Orvanemart.cdb";

} // namespace

std::string DatabaseCommands::Install() {
    FirstInstallation::Result result = DatabaseChoice::IsPostgres()
                                           ? PostgresInstallation::Install(DatabaseChoice::Connection())
                                           : FirstInstallation::Install(DeviceFileSystem::Root());
    switch (result.outcome) {
    case FirstInstallation::Outcome::Created: return "database installed";
    case FirstInstallation::Outcome::AlreadyInstalled: return "database already installed; left as it is";
    case FirstInstallation::Outcome::Failed: break;
    }
    throw ScriptFailure::Expected("the first installation to succeed", "the error: " + result.message);
}

void DatabaseCommands::Sql(const ScenarioCommand& command) {
    if (DatabaseChoice::IsPostgres()) return OnServer(command, false);
    DatabaseConnection connection;
    Open(connection, false);
    std::string error;
    if (!connection.Execute(command.statement, error)) {
        throw ScriptFailure::Expected("the statement to run", "the error: " + error);
    }
}

void DatabaseCommands::ExpectDb(const ScenarioCommand& command) {
    if (DatabaseChoice::IsPostgres()) return OnServer(command, true);
    DatabaseConnection connection;
    // Read-only, so that a mistaken statement cannot change what it checks.
    Open(connection, true);
    std::vector<std::string> found;
    std::string error;
    if (!connection.Query(command.statement, found, error)) throw ScriptFailure{"the query failed: " + error};
    if (found != command.rows) {
        throw ScriptFailure::Expected(MessageText::List(command.rows, "no rows", "the rows"),
                                      MessageText::List(found, "no rows", "the rows"));
    }
}

void DatabaseCommands::OnServer(const ScenarioCommand& command, bool expect) {
    PgScriptDatabase database;
    std::string error;
    if (!database.Open(DatabaseChoice::Connection(), error)) {
        throw ScriptFailure::Expected("to reach the shared notebook", "the error: " + error);
    }
    if (!expect) {
        if (!database.Execute(command.statement, error)) {
            throw ScriptFailure::Expected("the statement to run", "the error: " + error);
        }
        return;
    }
    std::vector<std::string> found;
    if (!database.Query(command.statement, found, error)) throw ScriptFailure{"the query failed: " + error};
    if (found != command.rows) {
        throw ScriptFailure::Expected(MessageText::List(command.rows, "no rows", "the rows"),
                                      MessageText::List(found, "no rows", "the rows"));
    }
}

std::filesystem::path DatabaseCommands::DatabaseFile() {
    return DeviceFileSystem::HostPath(kDevicePath);
}

void DatabaseCommands::Open(DatabaseConnection& connection, bool readOnly) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(DatabaseFile(), ignored)) {
        throw ScriptFailure::Expected("the database file " + CString(kDevicePath).ToUtf8() + " on the device",
                                      "none (install creates it)");
    }
    std::string error;
    if (!connection.Open(DatabaseFile(), readOnly, error)) {
        throw ScriptFailure::Expected("to open the database file " + CString(kDevicePath).ToUtf8(), "the error: " + error);
    }
}
