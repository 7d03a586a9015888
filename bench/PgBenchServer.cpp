#include "bench/PgBenchServer.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef CARTAVEL_SOURCE_DIR
#define CARTAVEL_SOURCE_DIR "."
#endif

namespace {

std::string Script() {
    return std::string(CARTAVEL_SOURCE_DIR) + "/tests/postgres/server.sh";
}

bool Execute(const std::string& connection, const char* sql, std::string& why) {
    PGconn* link = PQconnectdb(connection.c_str());
    PGresult* result = PQstatus(link) == CONNECTION_OK ? PQexec(link, sql) : nullptr;
    bool done = result && PQresultStatus(result) == PGRES_COMMAND_OK;
    if (!done) why = PQerrorMessage(link);
    PQclear(result);
    PQfinish(link);
    return done;
}

} // namespace

PgBenchServer::~PgBenchServer() {
    if (m_started) std::system(("bash '" + Script() + "' stop '" + m_state + "' >/dev/null 2>&1").c_str());
}

bool PgBenchServer::Start(std::string& why) {
    m_state = (std::filesystem::temp_directory_path() / ("cartavel-bench-pg-" + std::to_string(::getpid()))).string();
    std::string start = "CARTAVEL_PG_DURABLE=1 bash '" + Script() + "' start '" + m_state + "' >/dev/null";
    m_started = true;
    if (std::system(start.c_str()) != 0) {
        why = "the throwaway server did not start (" + Script() + ")";
        return false;
    }
    std::string folder;
    std::getline(std::ifstream(m_state), folder);
    std::string server = "postgresql:///postgres?host=" + folder + "&user=cartavel";
    if (!Execute(server, "CREATE DATABASE tenyear TEMPLATE template0", why)) return false;
    m_connection = "postgresql:///tenyear?host=" + folder + "&user=cartavel";
    return true;
}

std::string PgBenchServer::Database(std::string& why) {
    if (const char* given = std::getenv("CARTAVEL_BENCH_DATABASE")) return given;
    static PgBenchServer server;
    static bool started = server.Start(why);
    if (!started && why.empty()) why = "the throwaway server did not start";
    return started ? server.m_connection : std::string();
}
