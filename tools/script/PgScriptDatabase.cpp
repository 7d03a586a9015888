#include "tools/script/PgScriptDatabase.h"

#include <libpq-fe.h>

#include <cstdio>
#include <cstdlib>

#include "platform/recordset/PgConnection.h"
#include "platform/recordset/PgDialect.h"
#include "platform/recordset/PgLink.h"

namespace {

std::string Field(PGresult* result, int row, int column) {
    if (PQgetisnull(result, row, column)) return "NULL";
    std::string text = PQgetvalue(result, row, column);
    Oid type = PQftype(result, column);
    bool real = type == 700 || type == 701 || (type == 1700 && text.find_first_of(".eE") != std::string::npos);
    if (!real) return text;
    char formatted[64];
    std::snprintf(formatted, sizeof formatted, "%.2f", std::strtod(text.c_str(), nullptr));
    return formatted;
}

std::string Trimmed(std::string message) {
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    return message;
}

} // namespace

PgScriptDatabase::~PgScriptDatabase() {
    if (m_link) PQfinish(m_link);
}

bool PgScriptDatabase::Open(const std::string& connection, std::string& error) {
    m_link = PgLink::Connect(connection, error);
    return m_link != nullptr;
}

bool PgScriptDatabase::Translate(const std::string& statement, std::string& out, std::string& error) {
    std::string chr = statement;
    for (const PgDialect::Token& token : PgDialect::Tokens(statement)) {
        if (token.kind == PgDialect::Token::Kind::Word && token.lower == "char") chr.replace(token.start, 4, "chr ");
    }
    auto columnsOf = [this, &error](const std::string& table, PgDialect::TableColumns& columns) {
        return PgConnection::ColumnsOf(m_link, table, columns, error);
    };
    return PgDialect::Translate(chr, columnsOf, out);
}

bool PgScriptDatabase::Run(const std::string& sql, std::string& error) {
    PGresult* result = PQexec(m_link, sql.c_str());
    ExecStatusType status = PQresultStatus(result);
    bool done = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (!done) error = Trimmed(result ? PQresultErrorMessage(result) : PQerrorMessage(m_link));
    PQclear(result);
    return done;
}

bool PgScriptDatabase::Execute(const std::string& statements, std::string& error) {
    if (!Run("BEGIN", error)) return false;
    for (const std::string& statement : PgDialect::Split(statements)) {
        std::string sql;
        if (!Translate(statement, sql, error) || !Run(sql, error)) {
            std::string ignored;
            Run("ROLLBACK", ignored);
            return false;
        }
    }
    return Run("COMMIT", error);
}

bool PgScriptDatabase::Query(const std::string& statement, std::vector<std::string>& rows, std::string& error) {
    if (PgDialect::Split(statement).size() != 1) {
        error = "expected one statement";
        return false;
    }
    std::string sql;
    if (!Translate(statement, sql, error) || !Run("BEGIN READ ONLY", error)) return false;
    PGresult* result = PQexecParams(m_link, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0);
    bool read = PQresultStatus(result) == PGRES_TUPLES_OK;
    if (!read) error = Trimmed(PQresultErrorMessage(result));
    rows.clear();
    for (int r = 0; read && r < PQntuples(result); ++r) {
        std::string row;
        for (int c = 0; c < PQnfields(result); ++c) row += (c ? "|" : "") + Field(result, r, c);
        rows.push_back(row);
    }
    PQclear(result);
    std::string ignored;
    Run("ROLLBACK", ignored);
    return read;
}
