#include "platform/recordset/SqliteRecordset.h"

#include <sqlite3.h>

#include "platform/recordset/DatabaseChoice.h"
#include "platform/recordset/PgRecordset.h"
#include "platform/shell/TextEncoding.h"

namespace {

GUID ParsedGuid(const char* text) {
    GUID g;
    GUID::Parse(text, g);
    return g;
}

std::u16string TextOf(const VARIANT& text) { return std::u16string(text.bstrVal, SysStringLen(text.bstrVal)); }

} // namespace

const CLSID CLSID_Recordset = ParsedGuid("{113033F8-F682-11D2-BB62-00C04F680ACC}");
const IID IID_IRecordset = ParsedGuid("{113033F6-F682-11D2-BB62-00C04F680ACC}");
const IID IID_IFields = ParsedGuid("{7D1E2A01-3C55-4B8E-9A60-5E3C1F0B2A11}");
const IID IID_IField = ParsedGuid("{7D1E2A02-3C55-4B8E-9A60-5E3C1F0B2A11}");

SqliteRecordset::SqliteRecordset() : FieldSource(static_cast<IUnknown&>(*this)) {}

SqliteRecordset::~SqliteRecordset() {
    m_cursor.Close();  // its statement goes before the connection
    if (m_connection) m_connection->Release();
}

HRESULT SqliteRecordset::Create(REFIID riid, void** ppv) {
    // One class identifier for both engines: the notebook chosen decides.
    if (DatabaseChoice::IsPostgres()) return PgRecordset::Create(riid, ppv);
    auto* object = new SqliteRecordset();
    HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

void SqliteRecordset::Register() {
    ClassRegistry::Register(CLSID_Recordset, &SqliteRecordset::Create);
}

namespace {
// The component is in-process: it is known from the program's start on.
const bool g_registered = (SqliteRecordset::Register(), true);
} // namespace

HRESULT SqliteRecordset::Connect(const VARIANT& connection) {
    SqliteConnection* wanted = nullptr;
    if (connection.vt == VT_UNKNOWN) {
        wanted = SqliteConnection::Of(connection.punkVal);
        if (!wanted) return Fail("the connection is not one of this component");
        wanted->AddRef();
    } else if (m_connection && m_connection->DevicePath() == TextOf(connection)) {
        wanted = m_connection;
        wanted->AddRef();
    } else {
        wanted = SqliteConnection::ForPath(TextOf(connection));
    }
    if (m_connection) m_connection->Release();
    m_connection = wanted;
    m_db = m_connection->Database(m_failure);
    return m_db ? S_OK : E_FAIL;
}

HRESULT SqliteRecordset::Open(const VARIANT& source, const VARIANT& connection, long, long, long) {
    Close();
    m_failure.Clear();
    bool connectionGiven = (connection.vt == VT_BSTR && connection.bstrVal) ||
                           (connection.vt == VT_UNKNOWN && connection.punkVal);
    if (source.vt != VT_BSTR || !source.bstrVal || !connectionGiven) {
        return Fail("the source must be a text, the connection a text or a connection object");
    }
    HRESULT hr = Connect(connection);
    if (FAILED(hr)) return hr;
    hr = m_cursor.Open(m_db, std::u16string_view(source.bstrVal, SysStringLen(source.bstrVal)));
    MatchFieldObjects();
    return hr;
}

HRESULT SqliteRecordset::ReadValue(int column, VARIANT* out) {
    if (!out) return E_POINTER;
    if (!m_cursor.OnRow()) return Fail("no row to read");
    if (!HasColumn(column)) return Fail("the statement has no column " + std::to_string(column));
    if (const StoredValue* changed = m_pending.Find(column)) return changed->ToVariant(out);
    return m_cursor.ReadValue(column, out);
}

HRESULT SqliteRecordset::WriteValue(int column, const VARIANT& value) {
    if (!m_cursor.OnRow() || !HasColumn(column)) return Fail("no row to write");
    const RecordsetCursor::Column& target = m_cursor.Columns()[column];
    if (!m_cursor.RowsWritable() || target.table.empty() || target.origin.empty()) {
        return Fail("this field cannot be written");
    }
    StoredValue stored;
    HRESULT hr = StoredValue::FromVariant(value, stored);
    if (FAILED(hr)) return Fail("a value of variant type " + std::to_string(value.vt) + " cannot be stored", hr);
    hr = m_cursor.TakeRestIntoMemory();
    if (FAILED(hr)) return hr;
    m_pending.Set(column, std::move(stored));
    return S_OK;
}

HRESULT SqliteRecordset::get_EOF(VARIANT_BOOL* pEOF) {
    if (!pEOF) return E_POINTER;
    *pEOF = m_cursor.OnRow() ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
}

HRESULT SqliteRecordset::get_Fields(IFields** ppFields) {
    if (!ppFields) return E_POINTER;
    *ppFields = nullptr;
    if (m_cursor.Where() == RecordsetCursor::State::Closed) return Fail("the recordset is not open");
    *ppFields = Fields();
    return S_OK;
}

HRESULT SqliteRecordset::MoveNext() {
    if (!m_cursor.OnRow()) return Fail("no row to leave");
    HRESULT written = S_OK;
    if (m_cursor.Where() == RecordsetCursor::State::RowInMemory) {
        written = m_pending.WriteBack(*m_connection, m_cursor.Columns(), m_cursor.CurrentRowInMemory(), m_failure);
    }
    HRESULT stepped = m_cursor.MoveNext();
    return FAILED(written) ? written : stepped;
}

HRESULT SqliteRecordset::CancelUpdate() {
    m_pending.Clear();
    return S_OK;
}

HRESULT SqliteRecordset::Close() {
    HRESULT written = S_OK;
    if (m_cursor.Where() == RecordsetCursor::State::RowInMemory) {
        written = m_pending.WriteBack(*m_connection, m_cursor.Columns(), m_cursor.CurrentRowInMemory(), m_failure);
    }
    m_cursor.Close();
    m_pending.Clear();
    return written;
}

HRESULT SqliteRecordset::get_LastError(BSTR* pText) {
    if (!pText) return E_POINTER;
    *pText = SysAllocString(TextEncoding::FromUtf8(m_failure.Text()));
    return *pText ? S_OK : E_OUTOFMEMORY;
}
