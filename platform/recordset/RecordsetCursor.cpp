#include "platform/recordset/RecordsetCursor.h"

#include <sqlite3.h>

#include "platform/recordset/SqlText.h"
#include "platform/shell/TextEncoding.h"

namespace {

// Another connection holds the file: what has been waited for already.
bool IsLockedOut(int code) { return (code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED; }

} // namespace

HRESULT RecordsetCursor::Open(sqlite3* db, std::u16string_view sql) {
    Close();
    m_db = db;
    bool withRowid = false;
    size_t listStart = SqlText::SelectListStart(sql);
    if (listStart != std::u16string_view::npos && !SqlText::RefersByPosition(sql)) {
        if (SUCCEEDED(Prepare(SqlText::WithRowid(sql, listStart))) && sqlite3_column_count(m_stmt) > 1) {
            withRowid = true;
        } else {
            Finalise();
            // A locked file has been waited for once already; asking again
            // without the rowid would only wait a second time.
            if (IsLockedOut(sqlite3_errcode(m_db))) return E_FAIL;
        }
    }
    if (!withRowid) {
        HRESULT hr = Prepare(sql);
        if (FAILED(hr)) return hr;
        // Why the rowid could not be had is no failure of the statement.
        m_failure.Clear();
    }
    ReadColumns(withRowid ? 1 : 0);
    m_state = withRowid ? State::WritableRow : State::ReadOnlyRow;
    HRESULT hr = Step();
    if (FAILED(hr)) Close();
    return hr;
}

HRESULT RecordsetCursor::Prepare(std::u16string_view sql) {
    // SQLite reads the statement as UTF-8 from our own encoder: its UTF-16
    // entry points would take a leading U+FEFF or U+FFFE of a quoted text
    // for a byte-order mark.
    const std::string utf8 = TextEncoding::ToUtf8(sql);
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, utf8.c_str(), static_cast<int>(utf8.size()), &m_stmt, &tail) != SQLITE_OK) {
        m_stmt = nullptr;
        return m_failure.Record(sqlite3_errmsg(m_db));
    }
    if (!m_stmt) return m_failure.Record("the statement is empty");
    // What follows the statement may hold semicolons, blanks and comments,
    // but no second statement, nor anything SQLite cannot read.
    const char* end = utf8.c_str() + utf8.size();
    const char* rest = tail ? tail : end;
    while (rest < end && !SqlText::OnlyBlankOrSemicolons(std::string_view(rest, end - rest))) {
        sqlite3_stmt* second = nullptr;
        const char* next = nullptr;
        int rc = sqlite3_prepare_v2(m_db, rest, static_cast<int>(end - rest), &second, &next);
        if (second) sqlite3_finalize(second);
        if (rc != SQLITE_OK || second || !next || next <= rest) {
            Finalise();
            return m_failure.Record("the text holds more than one statement");
        }
        rest = next;
    }
    return S_OK;
}

void RecordsetCursor::ReadColumns(int first) {
    m_columns.clear();
    int count = sqlite3_column_count(m_stmt);
    for (int i = first; i < count; ++i) {
        Column c;
        const char* name = sqlite3_column_name(m_stmt, i);
        c.name = name ? TextEncoding::FromUtf8(name) : std::u16string();
        c.type = SqlText::TypeCodeOfDeclared(sqlite3_column_decltype(m_stmt, i));
        const char* table = sqlite3_column_table_name(m_stmt, i);
        const char* origin = sqlite3_column_origin_name(m_stmt, i);
        c.table = table ? table : "";
        c.origin = origin ? origin : "";
        m_columns.push_back(std::move(c));
    }
}

HRESULT RecordsetCursor::Step() {
    if (m_state == State::RowInMemory) {
        if (++m_rowIndex >= m_rows.size()) m_state = State::AtEnd;
        return S_OK;
    }
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return S_OK;
    m_state = State::AtEnd;
    if (rc == SQLITE_DONE) return S_OK;
    return m_failure.Record(sqlite3_errmsg(m_db));
}

HRESULT RecordsetCursor::MoveNext() {
    if (!OnRow()) return m_failure.Record("no row to leave");
    return Step();
}

RecordsetCursor::Row RecordsetCursor::RowFromStatement() const {
    Row row;
    int first = FirstColumn();
    row.rowid = first ? sqlite3_column_int64(m_stmt, 0) : 0;
    row.values.reserve(m_columns.size());
    for (size_t c = 0; c < m_columns.size(); ++c) {
        row.values.push_back(StoredValue::Of(ColumnValue::Read(m_stmt, static_cast<int>(c) + first)));
    }
    return row;
}

HRESULT RecordsetCursor::TakeRestIntoMemory() {
    if (m_state == State::RowInMemory) return S_OK;
    if (m_state != State::WritableRow) return m_failure.Record("these rows cannot be written");
    m_rows.clear();
    while (m_state == State::WritableRow) {
        m_rows.push_back(RowFromStatement());
        HRESULT hr = Step();
        if (FAILED(hr)) return hr;
    }
    Finalise();
    m_rowIndex = 0;
    m_state = State::RowInMemory;
    return S_OK;
}

HRESULT RecordsetCursor::ReadValue(int column, VARIANT* out) const {
    if (m_state == State::RowInMemory) return m_rows[m_rowIndex].values[column].ToVariant(out);
    return ColumnValue::Read(m_stmt, column + FirstColumn()).ToVariant(out);
}

void RecordsetCursor::Finalise() {
    if (m_stmt) sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

void RecordsetCursor::Close() {
    Finalise();
    m_state = State::Closed;
    m_rows.clear();
    m_rowIndex = 0;
}
