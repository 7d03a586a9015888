#pragma once
// The connection object of the recordset component on a shared PostgreSQL
// notebook: one libpq connection (PgLink), taken when a statement or a
// transaction first needs it, and the transactions on it.
//
// A transaction holds the notebook for writing from its start, as SQLite's
// BEGIN IMMEDIATE does on the file: BeginTrans takes a lock of the whole
// notebook (an advisory lock, given up at commit or rollback), waiting a
// while for another program that holds it. So the largest trip number read
// inside is still free at the commit, and two payments never interleave.
// Rows written back are addressed by their ctid: a row that another program
// changed since it was read is no longer found there, and the write fails
// rather than change the wrong version.
//
// A connection lost inside a transaction leaves the transaction failed:
// every statement fails until RollbackTrans, which then succeeds (the server
// has rolled it back itself). The next transaction connects afresh.

#include <map>
#include <string>

#include "platform/com/ComObject.h"
#include "platform/com/RecordsetInterfaces.h"
#include "platform/recordset/FailureReason.h"
#include "platform/recordset/PgDialect.h"

struct pg_conn;
typedef struct pg_conn PGconn;
struct pg_result;
typedef struct pg_result PGresult;

class PgConnection : public ComObject<IConnection, IID_IConnection> {
public:
    // The lock that stands for the whole notebook while a program writes to
    // it: a number of our own within the database's advisory locks. Every
    // writer takes this one (the installer and the desk's jobs too).
    static constexpr const char* kTakeNotebook = "SELECT pg_advisory_xact_lock(7303615624761451)";

    static HRESULT Create(REFIID riid, void** ppv);
    // A connection of its own, for a recordset opened with a device path.
    static PgConnection* ForNotebook();
    static PgConnection* Of(IUnknown* object);

    HRESULT Open(const VARIANT& connection) override;
    HRESULT BeginTrans(long* pLevel) override;
    HRESULT CommitTrans() override;
    HRESULT RollbackTrans() override;
    HRESULT Close() override;
    HRESULT get_LastError(BSTR* pText) override;

    // Runs one statement (with text parameters, null for NULL); the result,
    // or null with the reason in `failure`. A result the caller must PQclear.
    PGresult* Run(const std::string& sql, const std::vector<const char*>& params, FailureReason& failure);
    // The same for a statement run again and again (a row's write-back):
    // prepared once per server connection and kept with it, so the server
    // parses and plans it once.
    PGresult* RunPrepared(const std::string& sql, const std::vector<const char*>& params, FailureReason& failure);
    // Inside a transaction, an ordered SELECT is read through a cursor, a
    // batch at a time: a caller that wants the first row of a long list (the
    // largest trip number) no longer has the server sort and send the whole
    // table.
    // Opens a cursor on `select` and fetches its first `rows` rows, in one
    // round trip; the cursor's name comes back in `cursor`.
    PGresult* OpenCursor(const std::string& select, long rows, std::string& cursor, FailureReason& failure);
    PGresult* Fetch(const std::string& cursor, long rows, FailureReason& failure);
    // A cursor read to its end or no longer wanted; closed with the next
    // cursor's opening, or by the end of the transaction.
    void Done(const std::string& cursor);
    bool InTransaction() const { return m_inTransaction && !m_lostInTransaction; }
    // The statement as PostgreSQL should read it (PgDialect).
    bool Translate(std::string_view sql, std::string& out, FailureReason& failure);
    // The quoted name of a result column's table and of the column, for
    // writing a row back; false when the catalogue cannot tell.
    // The columns of a table of the notebook, for PgDialect; false with the
    // reason when there is no such table or the catalogue cannot be read.
    static bool ColumnsOf(PGconn* link, const std::string& table, PgDialect::TableColumns& columns, std::string& why);
    bool OriginOf(unsigned table, int column, std::string& tableName, std::string& columnName, FailureReason& failure);

private:
    PgConnection() = default;
    ~PgConnection() override;

    PGconn* Link(FailureReason& failure);
    HRESULT Command(const char* sql);
    PGresult* Checked(PGconn* link, PGresult* result, FailureReason& failure);
    PGresult* RunText(const std::string& sql, FailureReason& failure);
    void EndTransaction();
    const std::string* PreparedName(PGconn* link, const std::string& sql, FailureReason& failure);
    std::string CursorPrefix() const;
    bool Columns(const std::string& table, PgDialect::TableColumns& columns, FailureReason& failure);
    void DropIfLost();

    PGconn* m_link = nullptr;
    bool m_inTransaction = false;
    bool m_lostInTransaction = false;
    unsigned m_transactions = 0;
    unsigned m_cursors = 0;
    std::string m_toClose;
    FailureReason m_failure;
};
