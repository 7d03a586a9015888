#pragma once
// Which database the recordset component reaches: the device's SQLite file,
// as the device had it, or a shared notebook on a PostgreSQL server, named by
// a libpq connection (a postgresql:// URL or key=value words). Chosen once,
// before the first loader opens, by the program's or a tool's --database
// argument; the loader and the dialogs never learn which one runs.
//
// The connection text may hold a password: it is never printed. What a
// person reads about the notebook is the connection without its password
// (the desk's SharedNotebook::Shown).

#include <string>

class DatabaseChoice {
public:
    static void UsePostgres(std::string connection);
    static void UseFile();
    static bool IsPostgres();
    // The libpq connection text; empty for the SQLite file.
    static const std::string& Connection();
    // Whether a --database argument reads as a PostgreSQL connection.
    static bool NamesPostgres(const std::string& argument);
};
