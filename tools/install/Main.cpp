// cartavel-install [--device-root DIR | --database URL]: the first
// installation of Cartavel.
// Makes the device folder "Program Files/Cartavel" below the device root and
// the database Orvanemart.cdb in it; an existing database is left as it is.
// With --database, the tables of a shared notebook in an empty PostgreSQL
// database instead.
// Status: 0 created or already there, 1 failed, 2 wrong arguments.

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"
#include "tools/install/PostgresInstallation.h"

namespace {

int Usage(const std::string& problem) {
    if (!problem.empty()) std::fprintf(stderr, "cartavel-install: %s\n", problem.c_str());
    std::fprintf(problem.empty() ? stdout : stderr,
                 "usage: cartavel-install [--device-root DIR | --database URL]\n"
                 "  DIR: the folder that stands for the device's file system (default %s)\n"
                 "  URL: an empty PostgreSQL database for a shared notebook (postgresql://user@host/db)\n",
                 DeviceFileSystem::DefaultRoot().c_str());
    return problem.empty() ? 0 : 2;
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path root = DeviceFileSystem::DefaultRoot();
    std::string database;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return Usage("");
        bool isRoot = std::strcmp(argv[i], "--device-root") == 0;
        if (!isRoot && std::strcmp(argv[i], "--database") != 0) return Usage(std::string("unknown argument: ") + argv[i]);
        if (i + 1 >= argc || argv[i + 1][0] == '\0') return Usage(std::string(argv[i]) + " needs a value");
        if (isRoot) root = argv[++i];
        else database = argv[++i];
    }
    FirstInstallation::Result result =
        database.empty() ? FirstInstallation::Install(root) : PostgresInstallation::Install(database);
    bool failed = result.outcome == FirstInstallation::Outcome::Failed;
    std::fprintf(failed ? stderr : stdout, "cartavel-install: %s\n", result.message.c_str());
    return failed ? 1 : 0;
}
