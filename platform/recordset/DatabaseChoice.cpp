#include "platform/recordset/DatabaseChoice.h"

namespace {

std::string& Chosen() {
    static std::string connection;
    return connection;
}

} // namespace

void DatabaseChoice::UsePostgres(std::string connection) { Chosen() = std::move(connection); }

void DatabaseChoice::UseFile() { Chosen().clear(); }

bool DatabaseChoice::IsPostgres() { return !Chosen().empty(); }

const std::string& DatabaseChoice::Connection() { return Chosen(); }

bool DatabaseChoice::NamesPostgres(const std::string& argument) {
    return argument.rfind("postgresql://", 0) == 0 || argument.rfind("postgres://", 0) == 0 ||
           argument.find('=') != std::string::npos;
}
