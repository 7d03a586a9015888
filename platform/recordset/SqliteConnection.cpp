#include "platform/recordset/SqliteConnection.h"

#include <sqlite3.h>

#include "platform/recordset/DatabaseChoice.h"
#include "platform/recordset/PgConnection.h"
#include "platform/shell/DeviceFileSystem.h"
#include "platform/shell/TextEncoding.h"

namespace {

GUID ParsedGuid(const char* text) {
    GUID g;
    GUID::Parse(text, g);
    return g;
}

// How long a statement waits for another program that holds the file.
constexpr int kBusyMilliseconds = 2000;

} // namespace

const CLSID CLSID_Connection = ParsedGuid("{7D1E2A03-3C55-4B8E-9A60-5E3C1F0B2A11}");
const IID IID_IConnection = ParsedGuid("{7D1E2A04-3C55-4B8E-9A60-5E3C1F0B2A11}");

HRESULT SqliteConnection::Create(REFIID riid, void** ppv) {
    if (DatabaseChoice::IsPostgres()) return PgConnection::Create(riid, ppv);
    auto* object = new SqliteConnection();
    HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

void SqliteConnection::Register() {
    ClassRegistry::Register(CLSID_Connection, &SqliteConnection::Create);
}

namespace {
const bool g_registered = (SqliteConnection::Register(), true);
} // namespace

SqliteConnection* SqliteConnection::ForPath(const std::u16string& devicePath) {
    auto* connection = new SqliteConnection();
    connection->m_devicePath = devicePath;
    return connection;
}

SqliteConnection* SqliteConnection::Of(IUnknown* object) {
    return dynamic_cast<SqliteConnection*>(object);
}

SqliteConnection::~SqliteConnection() {
    Close();
}

HRESULT SqliteConnection::Open(const VARIANT& connection) {
    Close();
    m_failure.Clear();
    if (connection.vt != VT_BSTR || !connection.bstrVal) return m_failure.Record("the connection must be a text");
    m_devicePath.assign(connection.bstrVal, SysStringLen(connection.bstrVal));
    return S_OK;
}

sqlite3* SqliteConnection::Database(FailureReason& failure) {
    if (m_db) return m_db;
    if (m_devicePath.empty()) {
        failure.Record("the connection is not open");
        return nullptr;
    }
    std::string host = DeviceFileSystem::HostPath(m_devicePath).string();
    // Read-write, never create: a missing file is a failure, not a new database.
    // The object lives on the one thread that made it (the apartment rule of
    // COM), so its connection needs no lock of its own on every call.
    if (sqlite3_open_v2(host.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        std::string why = m_db ? sqlite3_errmsg(m_db) : "cannot open";
        sqlite3_close(m_db);
        m_db = nullptr;
        failure.Record("database " + TextEncoding::ToUtf8(m_devicePath) + ": " + why);
        return nullptr;
    }
    sqlite3_busy_timeout(m_db, kBusyMilliseconds);
    return m_db;
}

sqlite3_stmt* SqliteConnection::Reusable(const std::string& sql, FailureReason& failure) {
    sqlite3* db = Database(failure);
    if (!db) return nullptr;
    auto found = m_reusable.find(sql);
    if (found != m_reusable.end()) {
        sqlite3_reset(found->second);
        sqlite3_clear_bindings(found->second);
        return found->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        failure.Record(sqlite3_errmsg(db));
        return nullptr;
    }
    m_reusable.emplace(sql, statement);
    return statement;
}

HRESULT SqliteConnection::Run(const char* statement) {
    m_failure.Clear();
    sqlite3* db = Database(m_failure);
    if (!db) return E_FAIL;
    if (sqlite3_exec(db, statement, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return m_failure.Record(std::string(statement) + ": " + sqlite3_errmsg(db));
    }
    return S_OK;
}

HRESULT SqliteConnection::BeginTrans(long* pLevel) {
    if (pLevel) *pLevel = 0;
    if (m_db && !sqlite3_get_autocommit(m_db)) return m_failure.Record("a transaction is open already");
    HRESULT hr = Run("BEGIN IMMEDIATE");
    if (SUCCEEDED(hr) && pLevel) *pLevel = 1;
    return hr;
}

HRESULT SqliteConnection::CommitTrans() {
    if (!m_db || sqlite3_get_autocommit(m_db)) return m_failure.Record("no transaction to commit");
    return Run("COMMIT");
}

HRESULT SqliteConnection::RollbackTrans() {
    if (!m_db || sqlite3_get_autocommit(m_db)) return m_failure.Record("no transaction to roll back");
    return Run("ROLLBACK");
}

HRESULT SqliteConnection::Close() {
    // sqlite3_close_v2 waits for statements a recordset still holds, and
    // rolls back a transaction that was never committed.
    for (auto& [sql, statement] : m_reusable) sqlite3_finalize(statement);
    m_reusable.clear();
    if (m_db) sqlite3_close_v2(m_db);
    m_db = nullptr;
    return S_OK;
}

HRESULT SqliteConnection::get_LastError(BSTR* pText) {
    if (!pText) return E_POINTER;
    *pText = SysAllocString(TextEncoding::FromUtf8(m_failure.Text()));
    return *pText ? S_OK : E_OUTOFMEMORY;
}
