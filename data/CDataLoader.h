#pragma once
// The one object through which the dialogs read and write the database. It
// is bound to a dialog and one of its controls (a list view or a combo box),
// opens the recordset component, and runs one statement per operation:
// SELECT results go straight into the bound control.

#include "platform/com/Variant.h"
#include "platform/framework/CWnd.h"

class IConnection;
class IRecordset;
class IFields;
class IField;

class CDataLoader : public CWnd {
public:
    CDataLoader(CWnd* pOwner, int nCtrlId);
    ~CDataLoader() override;

    BOOL Open();
    // Mode "COMBO" fills the bound combo box; any other mode the list view.
    BOOL FillControl(const CString& strStatement, const CString& strMode);
    int CountRows(const CString& strStatement);
    BOOL Execute(const CString& strStatement);
    // The UPDATE becomes a SELECT of its columns, whose rows get the values
    // field by field. So that a failure is never reported as success, a value
    // that cannot be converted to its column's kind, a field that cannot be
    // written, or a row the database refuses ends the call with false; that
    // row keeps all its old values and no later row is touched (rows before
    // it stay changed: there is no transaction).
    BOOL ExecuteUpdate(const CString& strStatement);
    // The first row's field texts, each followed by U+001F.
    CString FetchFirstRow(const CString& strStatement);

    // A write transaction over the statements that follow, until
    // CommitTrans or RollbackTrans: all of them are kept, or none. It holds
    // the database for writing from BeginTrans on, so a key read inside is
    // still free when it is stored. A commit that fails is rolled back, so
    // a false CommitTrans means nothing was kept. A loader deleted with its
    // transaction open keeps nothing of it.
    BOOL BeginTrans();
    BOOL CommitTrans();
    BOOL RollbackTrans();

    // Whether the last operation failed: the statement did not run, a row or
    // a field could not be read, or the cursor could not move on. CountRows
    // gives 0 and FetchFirstRow an empty text both for "none" and for a
    // failure; a dialog that decides on them (an exists test, a new key)
    // asks this first, so that a failed query is never taken for "none".
    bool LastFailed() const { return m_bLastFailed; }

    // The display text of a value, by its kind. Numbers are written as the C locale writes them
    // whatever the host's locale; currency and dates in the fixed Korean
    // forms of platform/com/Variant.h ("₩1,235", "2024-03-15 오후 6:00:00").
    CString FieldText(const VARIANT& value);
    void SetCell(int nColumn, CString strText);
    void AddComboItem(const CString& strText);

    static constexpr char16_t kFieldEnd = u'\x1F';

protected:
    DECLARE_MESSAGE_MAP()

private:
    BOOL RunStatement(const CString& strStatement);
    // Moves to the next row; a failed move (a lock, a read error) marks the
    // operation failed, since the rows after it were never read.
    bool MoveNext();
    bool AtEnd();
    // The value of field nIndex of the current row.
    bool ReadField(long nIndex, VARIANT* pValue);
    BOOL WriteRow(const class CUpdateStatement& update);
    void ReleaseField();
    void ReleaseFields();
    // Marks the operation failed and hands the reason (the recordset's, or
    // the loader's own) to the window system for its log; the dialog still
    // shows the user its own message. Gives FALSE, to return.
    BOOL ReportFailure();
    BOOL ReportFailure(const CString& reason);

    BOOL ReportConnectionFailure();
    // Whether an INSERT would store a value holding U+001D or U+001F, which
    // the UPDATE emulation takes for its own separators: a name stored so
    // could never be changed or priced afterwards.
    static bool InsertsSeparator(const CString& strStatement);

    IRecordset* m_pRecordset = nullptr;
    IConnection* m_pConnection = nullptr;
    IFields* m_pFields = nullptr;
    IField* m_pField = nullptr;
    CWnd* m_pOwner;
    int m_nCtrlId;
    CString m_strDbPath;
    bool m_bLastFailed = false;
};
