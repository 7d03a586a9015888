#include "platform/recordset/PgLink.h"

#include <libpq-fe.h>

#include "platform/recordset/DatabaseChoice.h"

namespace {

PGconn*& Idle() {
    static PGconn* idle = nullptr;
    return idle;
}

// The connection text the idle connection was made with: a test or the
// window may choose another notebook meanwhile.
std::string& IdleFor() {
    static std::string text;
    return text;
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
    PGconn* link = Idle();
    Idle() = nullptr;
    if (link && PQstatus(link) == CONNECTION_OK && IdleFor() == DatabaseChoice::Connection()) return link;
    if (link) PQfinish(link);
    std::string error;
    link = Connect(DatabaseChoice::Connection(), error);
    if (!link) failure.Record(error);
    return link;
}

void PgLink::Give(PGconn* link) {
    if (!link) return;
    if (PQstatus(link) != CONNECTION_OK || PQtransactionStatus(link) != PQTRANS_IDLE || Idle()) {
        PQfinish(link);
        return;
    }
    Idle() = link;
    IdleFor() = DatabaseChoice::Connection();
}

void PgLink::CloseIdle() {
    if (Idle()) PQfinish(Idle());
    Idle() = nullptr;
}

std::string PgLink::Message(PGconn* link) {
    return link ? OneLine(PQerrorMessage(link)) : std::string("no connection");
}
