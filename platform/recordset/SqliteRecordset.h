#pragma once
// The recordset component on SQLite. It opens the database file read-write
// and never creates it. One statement per Open; a text with a second
// statement is refused.
//
// A SELECT is read row by row from SQLite. So that its rows can be written,
// the component asks SQLite for each row's rowid along with the select list,
// "select _rowid_, <the list> ...", and hides that column. Where a statement
// cannot have it (a join, a view, DISTINCT), or when ORDER BY or GROUP BY
// names a column by its number (which the rowid would shift), the statement
// runs as written and its rows are read-only.
//
// When a field is first written, the rest of the result is read into memory,
// so that no write ever changes a table while SQLite is still walking it (an
// update of the very column the WHERE searches by, through its index). A
// row's changed fields are kept until the cursor leaves the row (MoveNext) or
// the recordset is closed, then written in one statement,
// "UPDATE table SET a=?,b=? WHERE _rowid_=?": the whole row or, when the
// database refuses one value (a CHECK), nothing of it.

#include <memory>
#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/recordset/RecordsetInterfaces.h"
#include "platform/recordset/SqliteField.h"
#include "platform/recordset/SqliteFields.h"
#include "platform/recordset/StoredValue.h"

struct sqlite3;
struct sqlite3_stmt;

class SqliteRecordset : public ComObject<IRecordset, IID_IRecordset> {
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

    // For the field collection and its fields.
    long ColumnCount() const { return static_cast<long>(m_columns.size()); }
    int ColumnByName(std::u16string_view name) const;
    HRESULT ReadValue(int column, VARIANT* out) const;
    HRESULT WriteValue(int column, const VARIANT& value);
    long ColumnType(int column) const;
    const std::u16string& ColumnName(int column) const;
    SqliteField* FieldObject(int column) { return m_fieldObjects[column].get(); }

    // Why the last operation failed, for people reading a log.
    const std::string& LastError() const { return m_lastError; }

private:
    struct Column {
        std::u16string name;
        long type = adVarWChar;
        std::string table;
        std::string origin;
    };
    struct Row {
        std::int64_t rowid = 0;
        std::vector<StoredValue> values;
    };

    SqliteRecordset();
    ~SqliteRecordset();

    HRESULT Fail(const std::string& why);
    HRESULT OpenDatabase(const std::u16string& devicePath);
    HRESULT Prepare(std::u16string_view sql);
    void ReadColumns();
    HRESULT Step();
    Row CurrentRowFromStatement() const;
    HRESULT Materialise();
    HRESULT WritePendingRow();
    void Finish();

    sqlite3* m_db = nullptr;
    std::u16string m_dbPath;
    sqlite3_stmt* m_stmt = nullptr;
    int m_offset = 0;  // 1 when the rowid leads the select list
    std::vector<Column> m_columns;
    std::vector<std::unique_ptr<SqliteField>> m_fieldObjects;
    SqliteFields m_fields;
    bool m_isOpen = false;
    bool m_eof = true;
    bool m_materialised = false;
    std::vector<Row> m_rows;
    size_t m_rowIndex = 0;
    std::vector<std::pair<int, StoredValue>> m_pending;
    std::string m_lastError;
};
