#pragma once
// The PostgreSQL server the benchmark measures a shared notebook on: the one
// named by CARTAVEL_BENCH_DATABASE (a libpq connection to an empty
// database), else a throwaway one of its own, started as the tests start
// theirs (tests/postgres/server.sh) but durable, as a household's would be,
// and stopped at the end of the run.

#include <string>

class PgBenchServer {
public:
    // The connection to an empty database for the household; empty, with
    // `why`, when no server can be had.
    static std::string Database(std::string& why);

private:
    PgBenchServer() = default;
    ~PgBenchServer();
    bool Start(std::string& why);

    std::string m_state;
    std::string m_connection;
    bool m_started = false;
};
