#include "platform/recordset/PgRecordset.h"

#include <libpq-fe.h>

#include <charconv>
#include <cstring>

#include "platform/recordset/PgDialect.h"
#include "platform/recordset/SqlText.h"
#include "platform/shell/TextEncoding.h"

namespace {

// The type oids of PostgreSQL's catalogue that read back as numbers.
bool IsIntegerType(Oid type) { return type == 20 || type == 21 || type == 23; }
bool IsRealType(Oid type) { return type == 700 || type == 701 || type == 1700; }

StoredValue ValueOf(const char* text, int length, Oid type) {
    StoredValue value;
    const char* end = text + length;
    if (IsIntegerType(type) || type == 1700) {
        auto [stop, error] = std::from_chars(text, end, value.integer);
        if (error == std::errc() && stop == end) {
            value.kind = StoredValue::Kind::Integer;
            return value;
        }
    }
    if (IsIntegerType(type) || IsRealType(type)) {
        value.kind = StoredValue::Kind::Real;
        std::from_chars(text, end, value.real);
        return value;
    }
    value.kind = StoredValue::Kind::Text;
    value.text = TextEncoding::FromUtf8(std::string_view(text, length));
    return value;
}

// The text parameter that stores a value into a column; null for NULL. An
// empty text in an integer column is NULL, as the SQLite layout keeps it.
bool ParameterOf(const StoredValue& value, bool integerColumn, std::string& text) {
    switch (value.kind) {
    case StoredValue::Kind::Null: return false;
    case StoredValue::Kind::Integer: text = std::to_string(value.integer); return true;
    case StoredValue::Kind::Real: {
        char buffer[64];
        auto [stop, error] = std::to_chars(buffer, buffer + sizeof buffer, value.real);
        text.assign(buffer, error == std::errc() ? stop : buffer);
        return true;
    }
    case StoredValue::Kind::Text:
        text = TextEncoding::ToUtf8(value.text);
        return !(integerColumn && text.empty());
    }
    return false;
}

// The rows of a cursor's first fetch: as many as a payment's list, so that
// its reads take one round trip; later batches are larger.
constexpr long kFirstBatch = 128;
constexpr long kLaterBatch = 2048;

// An ordered query is read through a cursor: its caller may want only the
// first rows (the largest trip number), and the server then reads just
// those by an index. An unordered one is wanted whole (the rows an update
// writes, a count) or is a single row, and a cursor would only cost its
// opening and closing.
bool ReadsInBatches(std::string_view sql) {
    const std::vector<PgDialect::Token> tokens = PgDialect::Tokens(sql);
    if (tokens.empty() || tokens.front().lower != "select") return false;
    for (size_t i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].lower == "order" && tokens[i + 1].lower == "by") return true;
    }
    return false;
}

} // namespace

PgRecordset::PgRecordset() : FieldSource(static_cast<IUnknown&>(*this)) {}

PgRecordset::~PgRecordset() {
    if (m_connection) m_connection->Release();
}

HRESULT PgRecordset::Create(REFIID riid, void** ppv) {
    auto* object = new PgRecordset();
    HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

HRESULT PgRecordset::Connect(const VARIANT& connection) {
    PgConnection* wanted = nullptr;
    if (connection.vt == VT_UNKNOWN) {
        wanted = PgConnection::Of(connection.punkVal);
        if (!wanted) return Fail("the connection is not one of this component");
        wanted->AddRef();
    } else if (m_connection) {
        wanted = m_connection;
        wanted->AddRef();
    } else {
        wanted = PgConnection::ForNotebook();
    }
    if (m_connection) m_connection->Release();
    m_connection = wanted;
    return S_OK;
}

HRESULT PgRecordset::Open(const VARIANT& source, const VARIANT& connection, long, long, long) {
    Close();
    m_failure.Clear();
    bool connectionGiven = (connection.vt == VT_BSTR && connection.bstrVal) ||
                           (connection.vt == VT_UNKNOWN && connection.punkVal);
    if (source.vt != VT_BSTR || !source.bstrVal || !connectionGiven) {
        return Fail("the source must be a text, the connection a text or a connection object");
    }
    HRESULT hr = Connect(connection);
    if (FAILED(hr)) return hr;
    const std::u16string_view text(source.bstrVal, SysStringLen(source.bstrVal));
    // One statement per open, as on the device's file: the server would
    // refuse a second in its own words, and run an empty text as nothing.
    const std::vector<std::string> statements = PgDialect::Split(PgDialect::WithoutComments(TextEncoding::ToUtf8(text)));
    if (statements.empty()) return Fail("the statement is empty");
    if (statements.size() > 1) return Fail("the text holds more than one statement");
    std::string sql;
    if (!m_connection->Translate(statements.front(), sql, m_failure)) return E_FAIL;
    // A ctid at the head of the list would shift "order by 2" to another
    // column: such rows are read only, as on the device's file.
    bool withCtid = !PgDialect::PlainTable(sql).empty() && !SqlText::RefersByPosition(text);
    m_writable = withCtid;
    PGresult* result = Read(withCtid ? PgDialect::WithCtid(sql) : sql);
    if (!result) return E_FAIL;
    TakeColumns(result, statements.front());
    TakeRows(result);
    PQclear(result);
    m_open = true;
    MatchFieldObjects();
    return S_OK;
}

PGresult* PgRecordset::Read(const std::string& sql) {
    if (!m_connection->InTransaction() || !ReadsInBatches(sql)) return m_connection->Run(sql, {}, m_failure);
    m_batch = kFirstBatch;
    return m_connection->OpenCursor(sql, m_batch, m_cursor, m_failure);
}

// The next batch, when the last one is used up and the cursor has more.
HRESULT PgRecordset::FetchMore() {
    if (m_cursor.empty() || m_row < m_rows.size()) return S_OK;
    m_batch = kLaterBatch;
    PGresult* result = m_connection->Fetch(m_cursor, m_batch, m_failure);
    if (!result) {
        m_cursor.clear();
        return E_FAIL;
    }
    TakeRows(result);
    PQclear(result);
    return S_OK;
}

void PgRecordset::EndCursor() {
    if (m_cursor.empty()) return;
    m_connection->Done(m_cursor);
    m_cursor.clear();
}

void PgRecordset::TakeColumns(PGresult* result, const std::string& statement) {
    int first = m_writable ? 1 : 0;
    m_columns.clear();
    for (int c = first; c < PQnfields(result); ++c) {
        Column column;
        // Named as the statement spells the column, as SQLite names it.
        column.name = TextEncoding::FromUtf8(PgDialect::SpellingIn(statement, PQfname(result, c)));
        Oid type = PQftype(result, c);
        column.integer = IsIntegerType(type);
        column.table = PQftable(result, c);
        // An expression has no declared type on the device's file, and SQLite
        // calls it a text; the server's own type for it would differ.
        column.type = column.table == 0 ? adVarWChar : column.integer ? adInteger : IsRealType(type) ? adDouble : adVarWChar;
        column.tableColumn = PQftablecol(result, c);
        m_columns.push_back(std::move(column));
    }
}

void PgRecordset::TakeRows(PGresult* result) {
    int first = m_writable ? 1 : 0;
    m_rows.clear();
    m_rows.reserve(PQntuples(result));
    for (int r = 0; r < PQntuples(result); ++r) {
        Row row;
        if (m_writable) row.ctid = PQgetvalue(result, r, 0);
        for (int c = first; c < PQnfields(result); ++c) {
            row.values.push_back(PQgetisnull(result, r, c)
                                     ? StoredValue{}
                                     : ValueOf(PQgetvalue(result, r, c), PQgetlength(result, r, c), PQftype(result, c)));
        }
        m_rows.push_back(std::move(row));
    }
    m_row = 0;
    // A short batch is the last.
    if (!m_cursor.empty() && static_cast<long>(m_rows.size()) < m_batch) EndCursor();
}

HRESULT PgRecordset::ReadValue(int column, VARIANT* out) {
    if (!out) return E_POINTER;
    if (!OnRow()) return Fail("no row to read");
    if (!HasColumn(column)) return Fail("the statement has no column " + std::to_string(column));
    for (const auto& [changed, waiting] : m_pending) {
        if (changed == column) return waiting.ToVariant(out);
    }
    return m_rows[m_row].values[column].ToVariant(out);
}

HRESULT PgRecordset::WriteValue(int column, const VARIANT& value) {
    if (!OnRow() || !HasColumn(column)) return Fail("no row to write");
    if (!m_writable || m_columns[column].table == 0) return Fail("this field cannot be written");
    StoredValue stored;
    HRESULT hr = StoredValue::FromVariant(value, stored);
    if (FAILED(hr)) return Fail("a value of variant type " + std::to_string(value.vt) + " cannot be stored", hr);
    for (auto& [changed, waiting] : m_pending) {
        if (changed == column) {
            waiting = std::move(stored);
            return S_OK;
        }
    }
    m_pending.emplace_back(column, std::move(stored));
    return S_OK;
}

HRESULT PgRecordset::WriteBack() {
    if (m_pending.empty() || !OnRow()) return S_OK;
    auto changes = std::move(m_pending);
    m_pending.clear();
    std::string table, name, sql;
    std::vector<std::string> texts(changes.size() + 1);
    std::vector<const char*> params;
    for (size_t i = 0; i < changes.size(); ++i) {
        const Column& column = m_columns[changes[i].first];
        std::string columnTable;
        if (!m_connection->OriginOf(column.table, column.tableColumn, columnTable, name, m_failure)) return E_FAIL;
        if (i && columnTable != table) return Fail("one row's fields lie in two tables");
        table = columnTable;
        sql += (i ? "," : "") + name + "=$" + std::to_string(i + 1);
        params.push_back(ParameterOf(changes[i].second, column.integer, texts[i]) ? texts[i].c_str() : nullptr);
    }
    Row& row = m_rows[m_row];
    params.push_back(row.ctid.c_str());
    sql = "UPDATE " + table + " SET " + sql + " WHERE ctid=$" + std::to_string(params.size()) + "::tid RETURNING ctid";
    PGresult* result = m_connection->RunPrepared(sql, params, m_failure);
    if (!result) return E_FAIL;
    bool found = PQntuples(result) == 1;
    if (found) row.ctid = PQgetvalue(result, 0, 0);
    PQclear(result);
    if (!found) return Fail("the row was changed or removed by another program since it was read");
    for (auto& [column, value] : changes) {
        bool nullInstead = value.kind == StoredValue::Kind::Text && value.text.empty() && m_columns[column].integer;
        row.values[column] = nullInstead ? StoredValue{} : std::move(value);
    }
    return S_OK;
}

HRESULT PgRecordset::get_EOF(VARIANT_BOOL* pEOF) {
    if (!pEOF) return E_POINTER;
    *pEOF = OnRow() ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
}

HRESULT PgRecordset::get_Fields(IFields** ppFields) {
    if (!ppFields) return E_POINTER;
    *ppFields = nullptr;
    if (!m_open) return Fail("the recordset is not open");
    *ppFields = Fields();
    return S_OK;
}

HRESULT PgRecordset::MoveNext() {
    if (!OnRow()) return Fail("no row to leave");
    HRESULT written = WriteBack();
    ++m_row;
    // A batch that cannot be read fails the move: the rows after it must
    // not pass for the end of the list.
    HRESULT fetched = FetchMore();
    return FAILED(written) ? written : fetched;
}

HRESULT PgRecordset::CancelUpdate() {
    m_pending.clear();
    return S_OK;
}

HRESULT PgRecordset::Close() {
    HRESULT written = WriteBack();
    EndCursor();
    m_open = false;
    m_writable = false;
    m_rows.clear();
    m_row = 0;
    m_pending.clear();
    return written;
}

HRESULT PgRecordset::get_LastError(BSTR* pText) {
    if (!pText) return E_POINTER;
    *pText = SysAllocString(TextEncoding::FromUtf8(m_failure.Text()));
    return *pText ? S_OK : E_OUTOFMEMORY;
}
