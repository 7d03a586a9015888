#include "desk/SharedNotebook.h"

#include <libpq-fe.h>

#include "desk/DeskFailure.h"
#include "tools/install/PostgresInstallation.h"

namespace {

std::string OneLine(const char* message) {
    std::string text = message ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

// Drops `password=...` from a list of words joined by `separator`.
std::string WithoutPasswordWord(const std::string& words, char separator) {
    std::string kept;
    size_t start = 0;
    while (start <= words.size()) {
        size_t end = words.find(separator, start);
        if (end == std::string::npos) end = words.size();
        std::string word = words.substr(start, end - start);
        std::string name = word.substr(0, word.find('='));
        while (!name.empty() && name.back() == ' ') name.pop_back();
        if (name != "password" && !(separator == ' ' && word.empty())) kept += (kept.empty() ? "" : std::string(1, separator)) + word;
        start = end + 1;
    }
    return kept;
}

// key=value words: a quoted value may hold blanks, so a password's value is
// skipped to its closing quote.
std::string WithoutPasswordKeywords(const std::string& text) {
    std::string kept;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        size_t start = i;
        while (i < text.size() && text[i] != '=' && text[i] != ' ') ++i;
        std::string name = text.substr(start, i - start);
        while (i < text.size() && text[i] == ' ') ++i;
        if (i < text.size() && text[i] == '=') {
            ++i;
            while (i < text.size() && text[i] == ' ') ++i;
            if (i < text.size() && text[i] == '\'') {
                for (++i; i < text.size() && text[i] != '\''; ++i) {
                    if (text[i] == '\\') ++i;
                }
                ++i;
            } else {
                while (i < text.size() && text[i] != ' ') ++i;
            }
        }
        std::string word = text.substr(start, i - start);
        if (name != "password" && !word.empty()) kept += (kept.empty() ? "" : " ") + word;
    }
    return kept;
}

} // namespace

std::string SharedNotebook::Shown(const std::string& connection) {
    size_t scheme = connection.find("://");
    if (scheme == std::string::npos) return WithoutPasswordKeywords(connection);
    size_t authority = scheme + 3;
    size_t authorityEnd = connection.find_first_of("/?", authority);
    if (authorityEnd == std::string::npos) authorityEnd = connection.size();
    std::string host = connection.substr(authority, authorityEnd - authority);
    size_t at = host.rfind('@');
    if (at != std::string::npos) {
        std::string user = host.substr(0, at);
        host = user.substr(0, user.find(':')) + host.substr(at);
    }
    std::string rest = connection.substr(authorityEnd);
    size_t query = rest.find('?');
    if (query != std::string::npos) {
        std::string parameters = WithoutPasswordWord(rest.substr(query + 1), '&');
        rest = rest.substr(0, query) + (parameters.empty() ? "" : "?" + parameters);
    }
    return connection.substr(0, authority) + host + rest;
}

SharedNotebook::SharedNotebook(const std::string& connection) : m_shown(Shown(connection)) {
    m_link = PQconnectdb(connection.c_str());
    if (!m_link || PQstatus(m_link) != CONNECTION_OK) {
        std::string why = Message();
        PQfinish(m_link);
        m_link = nullptr;
        throw DeskFailure(m_shown + ": 공유 노트에 연결할 수 없습니다 (" + why + ")");
    }
    if (PQsetClientEncoding(m_link, "UTF8") != 0) {
        std::string why = Message();
        PQfinish(m_link);
        m_link = nullptr;
        throw DeskFailure(m_shown + ": 서버가 UTF-8을 받지 않습니다 (" + why + ")");
    }
    std::string problem = PostgresInstallation::Problem(m_link);
    if (!problem.empty()) {
        PQfinish(m_link);
        m_link = nullptr;
        throw DeskFailure(m_shown + ": " + problem);
    }
}

SharedNotebook::~SharedNotebook() {
    PQfinish(m_link);  // a transaction still open is rolled back
}

std::string SharedNotebook::Message() const {
    return m_link ? OneLine(PQerrorMessage(m_link)) : std::string("out of memory");
}

PGresult* SharedNotebook::Run(const std::string& sql, const std::string& what) {
    PGresult* result = PQexec(m_link, sql.c_str());
    ExecStatusType status = PQresultStatus(result);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
    std::string why = OneLine(PQresultErrorMessage(result));
    PQclear(result);
    throw DeskFailure(m_shown + ": " + what + " (" + why + ")");
}

void SharedNotebook::Execute(const std::string& sql, const std::string& what) {
    PQclear(Run(sql, what));
}

void SharedNotebook::BeginReading() {
    Execute("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY", "읽을 수 없습니다");
}

void SharedNotebook::EndReading() {
    Execute("COMMIT", "읽을 수 없습니다");
}

std::string SharedNotebook::KeyOf(const DatabaseLayout::Table& table) {
    const char* sql =
        "SELECT a.attname FROM pg_index i JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = i.indkey[0] "
        "WHERE i.indrelid = to_regclass($1) AND i.indisprimary AND i.indnatts = 1";
    const char* params[] = {table.name.c_str()};
    PGresult* result = PQexecParams(m_link, sql, 1, nullptr, params, nullptr, nullptr, 0);
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        std::string why = OneLine(PQresultErrorMessage(result));
        PQclear(result);
        throw DeskFailure(m_shown + ": " + table.name + "을(를) 읽을 수 없습니다 (" + why + ")");
    }
    std::string key = PQntuples(result) == 1 ? PQgetvalue(result, 0, 0) : "";
    PQclear(result);
    return key;
}

void SharedNotebook::EachRow(const DatabaseLayout::Table& table, const std::function<void(const Row&)>& onRow) {
    // The device's file keeps rows by rowid, which a table's integer key is:
    // by that key, a row keeps its place when it is paid or renamed, as on
    // the file. A table without one keeps the order its rows were written
    // in (an import writes into emptied tables, so that order is the file's).
    std::string key = KeyOf(table);
    std::string columns;
    for (const DatabaseLayout::Column& column : table.columns) columns += (columns.empty() ? "" : ", ") + column.name;
    PGresult* result = Run("SELECT " + columns + " FROM " + table.name + " ORDER BY " + (key.empty() ? "ctid" : key),
                           table.name + "을(를) 읽을 수 없습니다");
    Row row(table.columns.size());
    for (int r = 0; r < PQntuples(result); ++r) {
        for (size_t c = 0; c < table.columns.size(); ++c) {
            int column = static_cast<int>(c);
            Cell& cell = row[c];
            cell.text.clear();
            if (PQgetisnull(result, r, column)) {
                cell.kind = Cell::Kind::Null;
            } else if (table.columns[c].whole) {
                cell.kind = Cell::Kind::Whole;
                cell.whole = std::stoll(PQgetvalue(result, r, column));
            } else {
                cell.kind = Cell::Kind::Text;
                cell.text.assign(PQgetvalue(result, r, column), static_cast<size_t>(PQgetlength(result, r, column)));
            }
        }
        try {
            onRow(row);
        } catch (...) {
            PQclear(result);
            throw;
        }
    }
    PQclear(result);
}

void SharedNotebook::BeginWriting() {
    Execute("BEGIN", "쓸 수 없습니다");
    Execute("SET LOCAL lock_timeout = '5s'", "쓸 수 없습니다");
    Execute(PostgresInstallation::TakeNotebookSql(), "다른 프로그램이 노트를 쓰고 있어 쓸 수 없습니다");
}

long long SharedNotebook::Count(const DatabaseLayout::Table& table) {
    PGresult* result = Run("SELECT count(*) FROM " + table.name, table.name + "을(를) 읽을 수 없습니다");
    long long count = std::stoll(PQgetvalue(result, 0, 0));
    PQclear(result);
    return count;
}

void SharedNotebook::Empty(const DatabaseLayout::Table& table) {
    // TRUNCATE, not DELETE: the rows written next take the table's places
    // from its start, in the order they are written.
    Execute("TRUNCATE " + table.name, table.name + "을(를) 비울 수 없습니다");
}

bool SharedNotebook::Insert(const DatabaseLayout::Table& table, const Row& row, std::string& why) {
    std::string sql = "INSERT INTO " + table.name + " VALUES (";
    std::vector<std::string> values(row.size());
    std::vector<const char*> params(row.size());
    for (size_t i = 0; i < row.size(); ++i) {
        sql += (i ? ",$" : "$") + std::to_string(i + 1);
        const Cell& cell = row[i];
        if (cell.kind == Cell::Kind::Null) continue;
        values[i] = cell.kind == Cell::Kind::Whole ? std::to_string(cell.whole) : cell.text;
        params[i] = values[i].c_str();
    }
    sql += ")";
    PGresult* result = PQexecParams(m_link, sql.c_str(), static_cast<int>(params.size()), nullptr, params.data(), nullptr,
                                    nullptr, 0);
    bool stored = PQresultStatus(result) == PGRES_COMMAND_OK;
    if (!stored) why = OneLine(PQresultErrorMessage(result));
    PQclear(result);
    return stored;
}

void SharedNotebook::Commit() {
    Execute("COMMIT", "쓸 수 없습니다");
}

void SharedNotebook::Undo() {
    if (m_link && PQtransactionStatus(m_link) != PQTRANS_IDLE) PQclear(PQexec(m_link, "ROLLBACK"));
}
