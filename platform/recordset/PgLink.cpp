#include "platform/recordset/PgLink.h"

#include <libpq-fe.h>

#include <vector>

#include "platform/recordset/DatabaseChoice.h"

namespace {

// A screen keeps its list's loader open while another loader saves, and the
// payment reads and writes through several: with one idle connection only,
// every such save closed a connection and the next reload opened a new one,
// paying the authentication and a server process with cold catalogue caches.
// A few are kept, which is more than a screen ever holds at once.
constexpr size_t kMostIdle = 4;

struct IdleLink {
    PGconn* link;
    // The connection text it was made with: a test or the window may choose
    // another notebook meanwhile.
    std::string connection;
};

std::vector<IdleLink>& Idle() {
    static std::vector<IdleLink> idle;
    return idle;
}

std::string OneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

} // namespace

PGconn* PgLink::Connect(const std::string& connection, std::string& error) {
    PGconn* link = PQconnectdb(connection.c_str());
    if (!link) {
        error = "out of memory";
        return nullptr;
    }
    if (PQstatus(link) != CONNECTION_OK) {
        error = "cannot connect to the shared notebook: " + Message(link);
        PQfinish(link);
        return nullptr;
    }
    // Texts travel as UTF-8 whatever the server's or the host's default.
    if (PQsetClientEncoding(link, "UTF8") != 0) {
        error = "the server does not take UTF-8: " + Message(link);
        PQfinish(link);
        return nullptr;
    }
    return link;
}

PGconn* PgLink::Take(FailureReason& failure) {
    const std::string& wanted = DatabaseChoice::Connection();
    while (!Idle().empty()) {
        IdleLink last = std::move(Idle().back());
        Idle().pop_back();
        if (PQstatus(last.link) == CONNECTION_OK && last.connection == wanted) return last.link;
        PQfinish(last.link);
    }
    std::string error;
    PGconn* link = Connect(wanted, error);
    if (!link) failure.Record(error);
    return link;
}

void PgLink::Give(PGconn* link) {
    if (!link) return;
    if (PQstatus(link) != CONNECTION_OK || PQtransactionStatus(link) != PQTRANS_IDLE || Idle().size() >= kMostIdle) {
        PQfinish(link);
        return;
    }
    Idle().push_back({link, DatabaseChoice::Connection()});
}

void PgLink::CloseIdle() {
    for (IdleLink& idle : Idle()) PQfinish(idle.link);
    Idle().clear();
}

std::string PgLink::Message(PGconn* link) {
    return link ? OneLine(PQerrorMessage(link)) : std::string("no connection");
}
