#pragma once
// The connection object of the recordset component on SQLite: one database
// file, opened read-write (never created) when a statement or a transaction
// first needs it, and the transactions on it. A recordset opened with a
// device path makes a connection of its own; one opened with a connection
// object shares that object's, so that its statements belong to the
// connection's transaction.
//
// A transaction starts with BEGIN IMMEDIATE: the write lock is taken at
// once, so a value read inside (the largest trip number) cannot be taken by
// another program before the commit. Commits are synced (the file's default,
// synchronous FULL): once CommitTrans returns, the change survives a crash.

#include <map>
#include <string>

#include "platform/com/ComObject.h"
#include "platform/com/RecordsetInterfaces.h"
#include "platform/recordset/FailureReason.h"

struct sqlite3;
struct sqlite3_stmt;

class SqliteConnection : public ComObject<IConnection, IID_IConnection> {
public:
    static HRESULT Create(REFIID riid, void** ppv);
    static void Register();
    // A connection of its own to the file at the device path, for a
    // recordset opened with a path.
    static SqliteConnection* ForPath(const std::u16string& devicePath);
    // The SQLite connection behind an object a caller passed as connection,
    // or null when it is none of this component's.
    static SqliteConnection* Of(IUnknown* object);

    HRESULT Open(const VARIANT& connection) override;
    HRESULT BeginTrans(long* pLevel) override;
    HRESULT CommitTrans() override;
    HRESULT RollbackTrans() override;
    HRESULT Close() override;
    HRESULT get_LastError(BSTR* pText) override;

    // The open database, opening it first when needed; null when it cannot
    // be opened, with the reason in `failure`.
    sqlite3* Database(FailureReason& failure);
    const std::u16string& DevicePath() const { return m_devicePath; }
    // A statement prepared once and kept while the connection is open, reset
    // and ready to bind: the write-back of a row is the same text for every
    // row of an update, and preparing it (its triggers and indexes) costs
    // more than running it. Null when it cannot be prepared, with the reason.
    sqlite3_stmt* Reusable(const std::string& sql, FailureReason& failure);

private:
    SqliteConnection() = default;
    ~SqliteConnection() override;

    HRESULT Run(const char* statement);

    std::u16string m_devicePath;
    sqlite3* m_db = nullptr;
    std::map<std::string, sqlite3_stmt*> m_reusable;
    FailureReason m_failure;
};
