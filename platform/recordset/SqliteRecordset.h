#pragma once
// The recordset component on SQLite, as COM objects: the recordset, its field
// collection and its fields, registered with the class registry. It opens the
// database file read-write and never creates it, and runs one statement per
// Open; a text with a second statement is refused.
//
// What it does with a statement lives elsewhere: RecordsetCursor reads the
// rows (and holds the table of the recordset's states), PendingRow writes a
// row's changed fields back, SqlText reads the statement's text, ColumnValue
// reads a value. Every failure keeps its reason for get_LastError.

#include <memory>
#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/RecordsetInterfaces.h"
#include "platform/recordset/FailureReason.h"
#include "platform/recordset/FieldSource.h"
#include "platform/recordset/PendingRow.h"
#include "platform/recordset/RecordsetCursor.h"
#include "platform/recordset/SqliteConnection.h"

struct sqlite3;

class SqliteRecordset : public ComObject<IRecordset, IID_IRecordset>, public FieldSource {
public:
    static HRESULT Create(REFIID riid, void** ppv);
    // Makes the component known to CoCreateInstance.
    static void Register();

    HRESULT Open(const VARIANT& source, const VARIANT& connection, long cursorType, long lockType,
                 long options) override;
    HRESULT get_EOF(VARIANT_BOOL* pEOF) override;
    HRESULT get_Fields(IFields** ppFields) override;
    HRESULT MoveNext() override;
    HRESULT CancelUpdate() override;
    HRESULT Close() override;
    HRESULT get_LastError(BSTR* pText) override;

    // For the field collection and its fields. A field asked for a column
    // the current statement does not have fails.
    long ColumnCount() const override { return static_cast<long>(m_cursor.Columns().size()); }
    HRESULT ReadValue(int column, VARIANT* out) override;
    HRESULT WriteValue(int column, const VARIANT& value) override;
    const std::string& LastError() const { return m_failure.Text(); }

private:
    SqliteRecordset();
    ~SqliteRecordset();

    // The connection the statement runs on: the one passed, or one of the
    // recordset's own for a device path (kept while the path stays the same).
    HRESULT Connect(const VARIANT& connection);
    std::u16string_view NameOf(int column) const override { return m_cursor.Columns()[column].name; }
    long TypeOf(int column) const override { return m_cursor.Columns()[column].type; }
    FailureReason& Failure() override { return m_failure; }

    SqliteConnection* m_connection = nullptr;  // a reference the recordset holds
    sqlite3* m_db = nullptr;                   // the connection's database
    FailureReason m_failure;
    RecordsetCursor m_cursor{m_failure};
    PendingRow m_pending;
};
