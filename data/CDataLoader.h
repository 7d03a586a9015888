#pragma once
// The one object through which the dialogs read and write the database. It
// is bound to a dialog and one of its controls (a list view or a combo box),
// opens the recordset component, and runs one statement per operation:
// SELECT results go straight into the bound control. It is a plain object,
// no window: the dialog it serves is only where it finds its control.

#include <functional>
#include <memory>
#include <optional>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"
#include "platform/framework/CWnd.h"

class IConnection;
class IRecordset;
class IFields;
class IField;

class CDataLoader {
public:
    CDataLoader(CWnd* pOwner, int nCtrlId);
    ~CDataLoader();
    // A loader for one handler: made with new and opened; the handler's
    // scope deletes it, on every path out of it.
    static std::unique_ptr<CDataLoader> Opened(CWnd* pOwner, int nCtrlId);
    CDataLoader(const CDataLoader&) = delete;
    CDataLoader& operator=(const CDataLoader&) = delete;

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
    // it stay changed unless the caller's transaction is rolled back).
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

private:
    // Field nField of the row being walked, as its text.
    using FieldSink = std::function<void(long nField, CString strText)>;

    bool RunStatement(const CString& strStatement);
    // Runs a SELECT and walks at most nMaxRows of its rows, handing every
    // field's text to onField (none: the rows are only counted). The number
    // of rows walked, or none when the statement, a row or a field failed;
    // a field that cannot be read ends its row, and the next row is taken.
    std::optional<int> WalkRows(const CString& strStatement, int nMaxRows, const FieldSink& onField);
    bool ReadRow(const FieldSink& onField);
    bool WriteRow(const class CUpdateStatement& update);
    bool WriteField(const CString& strName, const CString& strValue);
    // Hands the reason (the recordset's or the connection's, or the loader's
    // own) to the window system for its log; the dialog still shows the
    // user its own message. Gives false, to return.
    bool Failed();
    bool ConnectionFailed();
    bool Failed(const CString& reason);
    // Marks the operation's outcome for LastFailed and gives it as a BOOL.
    BOOL Outcome(bool bDone);
    // Whether an INSERT would store a value holding U+001D or U+001F, which
    // the UPDATE emulation takes for its own separators: a name stored so
    // could never be changed or priced afterwards.
    static bool InsertsSeparator(const CString& strStatement);

    ComPtr<IRecordset> m_pRecordset;
    ComPtr<IConnection> m_pConnection;
    ComPtr<IFields> m_pFields;  // the current row's fields, while it is read or written
    ComPtr<IField> m_pField;    // the field being read or written
    CWnd* m_pOwner;
    int m_nCtrlId;
    CString m_strDbPath;
    bool m_bLastFailed = false;
};
