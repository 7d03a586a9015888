#pragma once
// The libpq connections of this process to the shared notebook. Opening one
// costs a round of authentication, and every loader makes a connection
// object of its own, so a few idle connections are kept and handed to the
// next loaders; a connection that is broken, or left inside a transaction,
// is closed instead of kept.
//
// Failures are told without the connection text, which may hold a password:
// libpq's own message names the host and the database at most.

#include <string>

#include "platform/recordset/FailureReason.h"

struct pg_conn;
typedef struct pg_conn PGconn;

class PgLink {
public:
    // A connection to the chosen database, the idle one if there is one;
    // null when the server cannot be reached, with the reason.
    static PGconn* Take(FailureReason& failure);
    // Gives a connection back when its user is done with it.
    static void Give(PGconn* link);
    // Closes the idle connections (at the end of a test, or of the program).
    static void CloseIdle();
    // Opens a connection of its own to `connection`, for the tools.
    static PGconn* Connect(const std::string& connection, std::string& error);
    // libpq's last message on the connection, on one line.
    static std::string Message(PGconn* link);
};
