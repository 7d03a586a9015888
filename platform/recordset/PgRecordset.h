#pragma once
// The recordset component on a shared PostgreSQL notebook, behind the same
// interfaces as the one on SQLite: one statement per Open, fields as
// variants by what is stored (integer VT_I4, real VT_R8, text VT_BSTR, null
// VT_NULL), field writes stored when the cursor leaves the row.
//
// The statement passes through PgDialect first, so that it means what it
// means on the SQLite file. A SELECT's rows are read whole into memory, or,
// inside a transaction, a batch at a time through a cursor. When
// it reads one table plainly, each row's ctid comes along (a hidden first
// column), and a row's changed fields are written back in one UPDATE by that
// ctid; a row that another program changed or removed meanwhile is not
// found there, and the write fails instead of changing another version.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/RecordsetInterfaces.h"
#include "platform/recordset/FailureReason.h"
#include "platform/recordset/FieldSource.h"
#include "platform/recordset/PgConnection.h"
#include "platform/recordset/StoredValue.h"

class PgRecordset : public ComObject<IRecordset, IID_IRecordset>, public FieldSource {
public:
    static HRESULT Create(REFIID riid, void** ppv);

    HRESULT Open(const VARIANT& source, const VARIANT& connection, long cursorType, long lockType,
                 long options) override;
    HRESULT get_EOF(VARIANT_BOOL* pEOF) override;
    HRESULT get_Fields(IFields** ppFields) override;
    HRESULT MoveNext() override;
    HRESULT CancelUpdate() override;
    HRESULT Close() override;
    HRESULT get_LastError(BSTR* pText) override;

    long ColumnCount() const override { return static_cast<long>(m_columns.size()); }
    HRESULT ReadValue(int column, VARIANT* out) override;
    HRESULT WriteValue(int column, const VARIANT& value) override;

private:
    struct Column {
        std::u16string name;
        long type = 0;
        unsigned table = 0;    // the table's oid; 0 for an expression
        int tableColumn = 0;
        bool integer = false;
    };
    struct Row {
        std::string ctid;
        std::vector<StoredValue> values;
    };

    PgRecordset();
    ~PgRecordset() override;

    HRESULT Connect(const VARIANT& connection);
    struct pg_result* Read(const std::string& sql);
    HRESULT FetchMore();
    void EndCursor();
    void TakeColumns(struct pg_result* result, const std::string& statement);
    void TakeRows(struct pg_result* result);
    HRESULT WriteBack();
    bool OnRow() const { return m_open && m_row < m_rows.size(); }
    std::u16string_view NameOf(int column) const override { return m_columns[column].name; }
    long TypeOf(int column) const override { return m_columns[column].type; }
    FailureReason& Failure() override { return m_failure; }

    PgConnection* m_connection = nullptr;
    FailureReason m_failure;
    bool m_open = false;
    bool m_writable = false;
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    size_t m_row = 0;
    // The cursor the rows come through, inside a transaction; empty once
    // every row has come.
    std::string m_cursor;
    long m_batch = 0;
    std::vector<std::pair<int, StoredValue>> m_pending;
};
