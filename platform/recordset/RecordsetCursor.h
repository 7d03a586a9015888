#pragma once
// The cursor of a recordset: the one statement it runs on an open database,
// the columns of its result, and the row it stands on.
//
// A SELECT is read row by row from SQLite. So that its rows can be written,
// the cursor asks SQLite for each row's rowid along with the select list,
// "select _rowid_, <the list> ...", and hides that column. Where a statement
// cannot have it (a join, a view, DISTINCT), or when ORDER BY or GROUP BY
// names a column by its number (which the rowid would shift), the statement
// runs as written and its rows are read-only. Before the first write the
// rest of the result is taken into memory, so that no write ever changes a
// table while SQLite is still walking it (an update of the very column the
// WHERE searches by, through its index).
//
// It neither opens the database file, writes a row back (PendingRow), nor
// speaks COM (SqliteRecordset).
//
// Its states, and where each call moves it:
//
//   state        stands on                         MoveNext               TakeRestIntoMemory
//   Closed       nothing                           fails                  fails
//   ReadOnlyRow  a row read from SQLite, no rowid  ReadOnlyRow or AtEnd   fails
//   WritableRow  a row read from SQLite, rowid     WritableRow or AtEnd   RowInMemory (AtEnd when
//                                                                         reading the rest fails)
//   RowInMemory  a row of the rows in memory       RowInMemory or AtEnd   RowInMemory
//   AtEnd        past the last row                 fails                  fails
//
// Open, from any state, closes first and then stands on the first row
// (ReadOnlyRow or WritableRow), or AtEnd when there is none; when it fails
// the cursor is Closed. A step that SQLite fails (a lock, a read error) ends
// at AtEnd. Close moves every state to Closed.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/recordset/FailureReason.h"
#include "platform/recordset/StoredValue.h"

struct sqlite3;
struct sqlite3_stmt;

class RecordsetCursor {
public:
    enum class State { Closed, ReadOnlyRow, WritableRow, RowInMemory, AtEnd };

    struct Column {
        std::u16string name;
        long type = 0;       // a data type code of RecordsetInterfaces.h
        std::string table;   // where the value comes from; empty for an expression
        std::string origin;
    };
    struct Row {
        std::int64_t rowid = 0;
        std::vector<StoredValue> values;
    };

    // Reasons for failures go to `failure`.
    explicit RecordsetCursor(FailureReason& failure) : m_failure(failure) {}
    ~RecordsetCursor() { Close(); }
    RecordsetCursor(const RecordsetCursor&) = delete;
    RecordsetCursor& operator=(const RecordsetCursor&) = delete;

    HRESULT Open(sqlite3* db, std::u16string_view sql);
    HRESULT MoveNext();
    HRESULT TakeRestIntoMemory();
    void Close();

    State Where() const { return m_state; }
    bool OnRow() const { return m_state != State::Closed && m_state != State::AtEnd; }
    bool RowsWritable() const { return m_state == State::WritableRow || m_state == State::RowInMemory; }
    // The result's columns; they stay as they are after Close, until the next Open reads a statement.
    const std::vector<Column>& Columns() const { return m_columns; }
    // A value of the row the cursor stands on; the caller sees that it stands on one.
    HRESULT ReadValue(int column, VARIANT* out) const;
    // The row in memory (RowInMemory), for writing it back.
    Row& CurrentRowInMemory() { return m_rows[m_rowIndex]; }

private:
    HRESULT Prepare(std::u16string_view sql);
    HRESULT Step();
    void ReadColumns(int first);
    Row RowFromStatement() const;
    int FirstColumn() const { return m_state == State::WritableRow ? 1 : 0; }
    void Finalise();

    FailureReason& m_failure;
    State m_state = State::Closed;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    size_t m_rowIndex = 0;
};
