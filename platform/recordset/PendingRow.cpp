#include "platform/recordset/PendingRow.h"

#include <sqlite3.h>

#include "platform/recordset/SqlText.h"
#include "platform/recordset/SqliteConnection.h"
#include "platform/shell/TextEncoding.h"

namespace {

void Bind(sqlite3_stmt* statement, int n, const StoredValue& value) {
    switch (value.kind) {
    case StoredValue::Kind::Null: sqlite3_bind_null(statement, n); break;
    case StoredValue::Kind::Integer: sqlite3_bind_int64(statement, n, value.integer); break;
    case StoredValue::Kind::Real: sqlite3_bind_double(statement, n, value.real); break;
    case StoredValue::Kind::Text: {
        // UTF-8 from our own encoder: SQLite's UTF-16 binding would read a
        // leading U+FEFF or U+FFFE as a byte-order mark and change the text.
        const std::string utf8 = TextEncoding::ToUtf8(value.text);
        sqlite3_bind_text(statement, n, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

} // namespace

void PendingRow::Set(int column, StoredValue value) {
    for (auto& [changed, waiting] : m_changes) {
        if (changed == column) {
            waiting = std::move(value);
            return;
        }
    }
    m_changes.emplace_back(column, std::move(value));
}

const StoredValue* PendingRow::Find(int column) const {
    for (const auto& [changed, waiting] : m_changes) {
        if (changed == column) return &waiting;
    }
    return nullptr;
}

HRESULT PendingRow::WriteBack(SqliteConnection& connection, const std::vector<RecordsetCursor::Column>& columns,
                              RecordsetCursor::Row& row, FailureReason& failure) {
    if (m_changes.empty()) return S_OK;
    auto changes = std::move(m_changes);
    m_changes.clear();
    const std::string& table = columns[changes.front().first].table;
    std::string sql = "UPDATE " + SqlText::QuotedName(table) + " SET ";
    for (size_t i = 0; i < changes.size(); ++i) {
        const RecordsetCursor::Column& column = columns[changes[i].first];
        if (column.table != table) return failure.Record("one row's fields lie in two tables");
        sql += (i ? "," : "") + SqlText::QuotedName(column.origin) + "=?";
    }
    sql += " WHERE _rowid_=?";
    sqlite3_stmt* update = connection.Reusable(sql, failure);
    if (!update) return E_FAIL;
    int n = 1;
    for (const auto& [column, value] : changes) Bind(update, n++, value);
    sqlite3_bind_int64(update, n, row.rowid);
    int rc = sqlite3_step(update);
    std::string refusal = rc == SQLITE_DONE ? std::string() : sqlite3_errmsg(sqlite3_db_handle(update));
    // Reset at once: a statement left running would keep its read open.
    sqlite3_reset(update);
    if (rc != SQLITE_DONE) return failure.Record(refusal);
    for (auto& [column, value] : changes) row.values[column] = std::move(value);
    return S_OK;
}
