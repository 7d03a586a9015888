#pragma once
// A fresh device for one test, for the unit and the screen suites alike: a
// temporary device root that the program uses, holding a newly installed
// database, and straight access to that database outside the program.
//
// When CARTAVEL_TEST_DATABASE names a PostgreSQL database (the test command
// runs the data layer's suites so, on a throwaway server), the notebook is
// that database instead: emptied and installed afresh for each test, and
// Sql and Rows run there, read as the recordset component reads statements.

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/recordset/DatabaseChoice.h"
#include "platform/recordset/PgConnection.h"
#include "platform/recordset/PgDialect.h"
#include "platform/recordset/PgLink.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"
#include "tools/install/PostgresInstallation.h"

class TestDevice {
public:
    // A root of its own per process and name, so that suites running side by
    // side never share a file.
    void Create(const std::string& name) {
        m_root = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        DeviceFileSystem::SetRoot(m_root);
        const char* shared = std::getenv("CARTAVEL_TEST_DATABASE");
        if (shared && *shared) return CreateShared(shared);
        DatabaseChoice::UseFile();
        ASSERT_EQ(FirstInstallation::Install(m_root).outcome, FirstInstallation::Outcome::Created);
    }
    void Remove() {
        std::filesystem::remove_all(m_root);
        if (m_link) PQfinish(m_link);
        m_link = nullptr;
        PgLink::CloseIdle();
    }

    const std::filesystem::path& Root() const { return m_root; }
    bool Shared() const { return m_link != nullptr; }

    // Runs SQL straight on the database.
    void Sql(const std::string& sql) {
        if (m_link) return SharedSql(sql);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(FirstInstallation::DatabasePath(m_root).c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << message << "\n" << sql;
    }

    // The rows of a query, each field joined by '|' and each row ended by '\n'.
    std::string Rows(const std::string& sql) {
        if (m_link) return SharedRows(sql);
        sqlite3* db = nullptr;
        sqlite3_open(FirstInstallation::DatabasePath(m_root).c_str(), &db);
        std::string out;
        char* error = nullptr;
        int rc = sqlite3_exec(
            db, sql.c_str(),
            [](void* sink, int n, char** values, char**) {
                auto* text = static_cast<std::string*>(sink);
                for (int i = 0; i < n; ++i) *text += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
                *text += "\n";
                return 0;
            },
            &out, &error);
        if (rc != SQLITE_OK) ADD_FAILURE() << (error ? error : "") << "\n" << sql;
        sqlite3_free(error);
        sqlite3_close(db);
        return out;
    }

    // Makes the database refuse every EVENT ("insert", "update") on TABLE
    // whose new row meets CONDITION (written with NEW.Column, as both
    // engines' triggers read it): a trigger named NAME, in each engine's own
    // language. Allow(NAME) takes it away again.
    void Refuse(const std::string& name, const std::string& event, const std::string& table,
                const std::string& condition = "true") {
        if (!m_link) {
            return Sql("create trigger " + name + " before " + event + " on " + table + " when " + condition +
                       " begin select raise(abort, 'refused'); end");
        }
        SharedExec("create function " + name + "() returns trigger language plpgsql as $$ begin if " + condition +
                   " then raise exception 'refused'; end if; return NEW; end $$");
        SharedExec("create trigger " + name + " before " + event + " on " + table + " for each row execute function " +
                   name + "()");
    }
    void Allow(const std::string& name) {
        if (!m_link) return Sql("drop trigger " + name);
        SharedExec("drop function " + name + "() cascade");
    }

    // SQL that names the kind of value COLUMN holds, as SQLite's typeof()
    // does: integer, real, text or null. On the server a column holds its
    // declared type, named the same way.
    std::string KindOf(const std::string& column) const {
        if (!m_link) return "typeof(" + column + ")";
        const std::string type = "pg_typeof(" + column + ")::text";
        return "case when " + column + " is null then 'null' when " + type +
               " in ('smallint', 'integer', 'bigint') then 'integer' when " + type +
               " in ('real', 'double precision', 'numeric') then 'real' else " + type + " end";
    }
    // SQL that writes the bytes of text COLUMN in upper-case hexadecimal.
    std::string HexOf(const std::string& column) const {
        if (!m_link) return "hex(" + column + ")";
        return "upper(encode(convert_to(" + column + ", 'UTF8'), 'hex'))";
    }

private:
    void SharedExec(const std::string& sql) {
        PGresult* result = PQexec(m_link, sql.c_str());
        ExecStatusType status = PQresultStatus(result);
        std::string message = PQresultErrorMessage(result);
        PQclear(result);
        ASSERT_EQ(status, PGRES_COMMAND_OK) << message << "\n" << sql;
    }

    void CreateShared(const std::string& connection) {
        DatabaseChoice::UsePostgres(connection);
        PgLink::CloseIdle();
        std::string error;
        m_link = PgLink::Connect(connection, error);
        ASSERT_NE(m_link, nullptr) << error;
        PGresult* emptied = PQexec(m_link, "DROP SCHEMA public CASCADE; CREATE SCHEMA public");
        ASSERT_EQ(PQresultStatus(emptied), PGRES_COMMAND_OK) << PQresultErrorMessage(emptied);
        PQclear(emptied);
        ASSERT_EQ(PostgresInstallation::Install(connection).outcome, FirstInstallation::Outcome::Created);
    }

    void SharedSql(const std::string& sql) {
        for (const std::string& statement : PgDialect::Split(sql)) {
            std::string translated, why;
            auto columnsOf = [this, &why](const std::string& table, PgDialect::TableColumns& columns) {
                return PgConnection::ColumnsOf(m_link, table, columns, why);
            };
            ASSERT_TRUE(PgDialect::Translate(statement, columnsOf, translated)) << why;
            PGresult* result = PQexec(m_link, translated.c_str());
            ExecStatusType status = PQresultStatus(result);
            std::string message = PQresultErrorMessage(result);
            PQclear(result);
            ASSERT_TRUE(status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) << message << "\n" << translated;
        }
    }

    std::string SharedRows(const std::string& sql) {
        PGresult* result = PQexec(m_link, PgDialect::NullsLikeSqlite(sql).c_str());
        std::string out;
        if (PQresultStatus(result) != PGRES_TUPLES_OK) ADD_FAILURE() << PQresultErrorMessage(result) << "\n" << sql;
        for (int r = 0; r < PQntuples(result); ++r) {
            for (int c = 0; c < PQnfields(result); ++c) {
                out += (c ? "|" : "") + std::string(PQgetisnull(result, r, c) ? "NULL" : PQgetvalue(result, r, c));
            }
            out += "\n";
        }
        PQclear(result);
        return out;
    }

    std::filesystem::path m_root;
    PGconn* m_link = nullptr;
};
