#include "platform/recordset/PgConnection.h"

#include <libpq-events.h>
#include <libpq-fe.h>

#include "platform/recordset/DatabaseChoice.h"
#include "platform/recordset/PgLink.h"
#include "platform/shell/TextEncoding.h"

namespace {

// A transaction starts by taking the notebook's lock, waiting as long as on
// the file for another program's; the three commands go in one round trip.
const std::string& BeginHoldingNotebook() {
    static const std::string sql = std::string("BEGIN;SET LOCAL lock_timeout = '2s';") + PgConnection::kTakeNotebook;
    return sql;
}

struct Origin {
    std::string table;
    std::string column;
};

// The columns of a table, by connection text and table: every loader makes a
// connection object of its own, and the layout does not change under a
// running program.
std::map<std::pair<std::string, std::string>, PgDialect::TableColumns>& KnownColumns() {
    static std::map<std::pair<std::string, std::string>, PgDialect::TableColumns> known;
    return known;
}

// The statements prepared on one server connection, by their text; libpq
// keeps them with the connection and deletes them when it is closed.
using Prepared = std::map<std::string, std::string>;

int KeepPrepared(PGEventId event, void* info, void*) {
    if (event == PGEVT_CONNDESTROY) {
        auto* destroyed = static_cast<PGEventConnDestroy*>(info);
        delete static_cast<Prepared*>(PQinstanceData(destroyed->conn, KeepPrepared));
    }
    return 1;
}

Prepared* PreparedOn(PGconn* link) {
    auto* prepared = static_cast<Prepared*>(PQinstanceData(link, KeepPrepared));
    if (prepared) return prepared;
    if (!PQregisterEventProc(link, KeepPrepared, "cartavel prepared statements", nullptr)) return nullptr;
    prepared = new Prepared();
    if (!PQsetInstanceData(link, KeepPrepared, prepared)) {
        delete prepared;
        return nullptr;
    }
    return prepared;
}

std::map<std::pair<unsigned, int>, Origin>& Origins() {
    static std::map<std::pair<unsigned, int>, Origin> origins;
    return origins;
}

} // namespace

HRESULT PgConnection::Create(REFIID riid, void** ppv) {
    auto* object = new PgConnection();
    HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

PgConnection* PgConnection::ForNotebook() { return new PgConnection(); }

PgConnection* PgConnection::Of(IUnknown* object) { return dynamic_cast<PgConnection*>(object); }

PgConnection::~PgConnection() { Close(); }

HRESULT PgConnection::Open(const VARIANT& connection) {
    Close();
    m_failure.Clear();
    // The device path names the notebook on the device; the shared one is
    // the chosen connection's, whatever the path.
    if (connection.vt != VT_BSTR || !connection.bstrVal) return m_failure.Record("the connection must be a text");
    return S_OK;
}

PGconn* PgConnection::Link(FailureReason& failure) {
    if (m_lostInTransaction) {
        failure.Record("the connection to the shared notebook was lost inside the transaction; roll it back");
        return nullptr;
    }
    if (!m_link) m_link = PgLink::Take(failure);
    return m_link;
}

void PgConnection::DropIfLost() {
    if (!m_link || PQstatus(m_link) == CONNECTION_OK) return;
    PQfinish(m_link);
    m_link = nullptr;
    if (m_inTransaction) m_lostInTransaction = true;
}

PGresult* PgConnection::Run(const std::string& sql, const std::vector<const char*>& params, FailureReason& failure) {
    PGconn* link = Link(failure);
    if (!link) return nullptr;
    PGresult* result = params.empty()
                           ? PQexecParams(link, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0)
                           : PQexecParams(link, sql.c_str(), static_cast<int>(params.size()), nullptr, params.data(),
                                          nullptr, nullptr, 0);
    return Checked(link, result, failure);
}

PGresult* PgConnection::RunPrepared(const std::string& sql, const std::vector<const char*>& params,
                                    FailureReason& failure) {
    PGconn* link = Link(failure);
    if (!link) return nullptr;
    const std::string* name = PreparedName(link, sql, failure);
    if (!name) return nullptr;
    return Checked(link, PQexecPrepared(link, name->c_str(), static_cast<int>(params.size()), params.data(), nullptr,
                                        nullptr, 0), failure);
}

const std::string* PgConnection::PreparedName(PGconn* link, const std::string& sql, FailureReason& failure) {
    Prepared* prepared = PreparedOn(link);
    if (!prepared) {
        failure.Record("out of memory");
        return nullptr;
    }
    auto known = prepared->find(sql);
    if (known != prepared->end()) return &known->second;
    std::string name = "cartavel_statement_" + std::to_string(prepared->size() + 1);
    PGresult* result = Checked(link, PQprepare(link, name.c_str(), sql.c_str(), 0, nullptr), failure);
    if (!result) return nullptr;
    PQclear(result);
    return &prepared->emplace(sql, name).first->second;
}

// Several commands in one text, without parameters; the last one's result.
PGresult* PgConnection::RunText(const std::string& sql, FailureReason& failure) {
    PGconn* link = Link(failure);
    if (!link) return nullptr;
    return Checked(link, PQexec(link, sql.c_str()), failure);
}

PGresult* PgConnection::Checked(PGconn* link, PGresult* result, FailureReason& failure) {
    ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
    // The reason in one line, as SQLite gives it: the server's own message,
    // without its severity and the lines that point into the statement, so
    // that the transcript keeps one line per failure.
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    std::string why = primary && *primary ? primary : PgLink::Message(link);
    PQclear(result);
    DropIfLost();
    failure.Record(why);
    return nullptr;
}

PGresult* PgConnection::OpenCursor(const std::string& select, long rows, std::string& cursor, FailureReason& failure) {
    cursor = CursorPrefix() + std::to_string(++m_cursors);
    // The cursors done with are closed in the same round trip.
    std::string text = std::move(m_toClose);
    m_toClose.clear();
    text += "DECLARE " + cursor + " NO SCROLL CURSOR FOR " + select + ";FETCH " + std::to_string(rows) + " FROM " + cursor;
    return RunText(text, failure);
}

PGresult* PgConnection::Fetch(const std::string& cursor, long rows, FailureReason& failure) {
    return Run("FETCH " + std::to_string(rows) + " FROM " + cursor, {}, failure);
}

// A cursor is named after its transaction: one left from an earlier
// transaction is gone already, and closing it would fail the next opening.
std::string PgConnection::CursorPrefix() const {
    return "cartavel_rows_" + std::to_string(m_transactions) + "_";
}

void PgConnection::Done(const std::string& cursor) {
    if (InTransaction() && cursor.rfind(CursorPrefix(), 0) == 0) m_toClose += "CLOSE " + cursor + ";";
}

// The server closes a transaction's cursors with it.
void PgConnection::EndTransaction() {
    m_inTransaction = false;
    m_toClose.clear();
}

HRESULT PgConnection::Command(const char* sql) {
    m_failure.Clear();
    PGresult* result = Run(sql, {}, m_failure);
    if (!result) return E_FAIL;
    PQclear(result);
    return S_OK;
}

HRESULT PgConnection::BeginTrans(long* pLevel) {
    if (pLevel) *pLevel = 0;
    if (m_inTransaction) return m_failure.Record("a transaction is open already");
    m_failure.Clear();
    m_toClose.clear();
    ++m_transactions;
    PGresult* result = RunText(BeginHoldingNotebook(), m_failure);
    if (!result) {
        // The lock not taken in time leaves a failed transaction behind.
        std::string why = m_failure.Text();
        if (m_link && PQtransactionStatus(m_link) != PQTRANS_IDLE) {
            m_inTransaction = true;
            RollbackTrans();
        }
        return m_failure.Record(why);
    }
    PQclear(result);
    m_inTransaction = true;
    if (pLevel) *pLevel = 1;
    return S_OK;
}

HRESULT PgConnection::CommitTrans() {
    if (!m_inTransaction) return m_failure.Record("no transaction to commit");
    if (m_lostInTransaction) return m_failure.Record("the connection was lost: nothing of the transaction was kept");
    HRESULT hr = Command("COMMIT");
    // A commit the server refused has ended the transaction all the same.
    if (SUCCEEDED(hr) || (m_link && PQtransactionStatus(m_link) == PQTRANS_IDLE)) EndTransaction();
    return hr;
}

HRESULT PgConnection::RollbackTrans() {
    if (!m_inTransaction) return m_failure.Record("no transaction to roll back");
    EndTransaction();
    if (m_lostInTransaction) {
        m_lostInTransaction = false;
        return S_OK;
    }
    return Command("ROLLBACK");
}

HRESULT PgConnection::Close() {
    if (m_inTransaction) RollbackTrans();
    m_lostInTransaction = false;
    PgLink::Give(m_link);
    m_link = nullptr;
    return S_OK;
}

HRESULT PgConnection::get_LastError(BSTR* pText) {
    if (!pText) return E_POINTER;
    *pText = SysAllocString(TextEncoding::FromUtf8(m_failure.Text()));
    return *pText ? S_OK : E_OUTOFMEMORY;
}

bool PgConnection::Translate(std::string_view sql, std::string& out, FailureReason& failure) {
    auto columnsOf = [this, &failure](const std::string& table, PgDialect::TableColumns& columns) {
        return Columns(table, columns, failure);
    };
    return PgDialect::Translate(sql, columnsOf, out);
}

bool PgConnection::Columns(const std::string& table, PgDialect::TableColumns& columns, FailureReason& failure) {
    auto key = std::make_pair(DatabaseChoice::Connection(), table);
    auto known = KnownColumns().find(key);
    if (known != KnownColumns().end()) {
        columns = known->second;
        return true;
    }
    PGconn* link = Link(failure);
    if (!link) return false;
    std::string why;
    if (!ColumnsOf(link, table, columns, why)) {
        DropIfLost();
        failure.Record(why);
        return false;
    }
    KnownColumns()[key] = columns;
    return true;
}

bool PgConnection::ColumnsOf(PGconn* link, const std::string& table, PgDialect::TableColumns& columns, std::string& why) {
    const char* sql =
        "SELECT a.attname, a.atttypid IN (20, 21, 23), EXISTS (SELECT 1 FROM pg_index i WHERE i.indrelid = "
        "a.attrelid AND i.indisprimary AND i.indnatts = 1 AND i.indkey[0] = a.attnum) FROM pg_attribute a "
        "WHERE a.attrelid = to_regclass($1) AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum";
    const char* params[] = {table.c_str()};
    PGresult* result = PQexecParams(link, sql, 1, nullptr, params, nullptr, nullptr, 0);
    columns = {};
    bool read = PQresultStatus(result) == PGRES_TUPLES_OK;
    if (!read) why = PQresultErrorMessage(result);
    for (int row = 0; read && row < PQntuples(result); ++row) {
        columns.names.push_back(PQgetvalue(result, row, 0));
        columns.integer.push_back(PQgetvalue(result, row, 1)[0] == 't');
        if (PQgetvalue(result, row, 2)[0] == 't') columns.key = PQgetvalue(result, row, 0);
    }
    PQclear(result);
    if (read && columns.names.empty()) why = "no table " + table + " in the shared notebook";
    while (!why.empty() && why.back() == '\n') why.pop_back();
    return why.empty();
}

bool PgConnection::OriginOf(unsigned table, int column, std::string& tableName, std::string& columnName,
                            FailureReason& failure) {
    auto key = std::make_pair(table, column);
    auto known = Origins().find(key);
    if (known == Origins().end()) {
        std::string oid = std::to_string(table), number = std::to_string(column);
        const char* sql =
            "SELECT c.oid::regclass::text, quote_ident(a.attname) FROM pg_class c JOIN pg_attribute a "
            "ON a.attrelid = c.oid WHERE c.oid = $1::oid AND a.attnum = $2::int";
        PGresult* result = Run(sql, {oid.c_str(), number.c_str()}, failure);
        if (!result) return false;
        bool found = PQntuples(result) == 1;
        if (found) known = Origins().emplace(key, Origin{PQgetvalue(result, 0, 0), PQgetvalue(result, 0, 1)}).first;
        PQclear(result);
        if (!found) {
            failure.Record("the column's table cannot be found");
            return false;
        }
    }
    tableName = known->second.table;
    columnName = known->second.column;
    return true;
}
