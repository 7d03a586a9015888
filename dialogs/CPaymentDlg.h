#pragma once
// Checkout. In NEW mode it lists every priced, unpaid item and pays them all
// as one trip under the next trip number; in MODIFY mode it lists the items
// of one paid trip, whose payment it can undo.
//
// A payment and an undo are each one transaction: every row of the trip
// moves, or none. Inside it, each listed row is read again and must still be
// what the list shows (another program may have paid, repriced or removed
// it since); otherwise nothing is kept, "처리오류" shows and the list is
// read afresh, so that a second try pays what is left.

#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"

class CPaymentDlg : public CDialog {
public:
    explicit CPaymentDlg(CWnd* pParent = nullptr);
    ~CPaymentDlg() override;

    // Set by the opener before the modal run, except the total and the list.
    CString m_strTotal;
    CString m_strMode;   // "NEW" or "MODIFY"
    CString m_strMgrNo;  // MODIFY: the trip; NEW: empty until a payment is tried
    CListCtrl m_listItems;
    CString m_strShpDate;
    CString m_strStoreName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnProcess();
    void OnCancelPayment();

    void LoadPaymentList();
    void SettlePayment();
    void UndoPayment();

    DECLARE_MESSAGE_MAP()

private:
    enum class Outcome { Done, Refused, ListStale };

    Outcome PayListedRows(class CDataLoader& loader);
    Outcome SettleRows(CDataLoader& loader);
    Outcome UndoListedTrip(CDataLoader& loader);
    // Commits what the outcome says is done, rolls back anything else.
    static Outcome Finish(CDataLoader& loader, Outcome outcome);
    bool TakeNewTripNumber(CDataLoader& loader);
    // Whether the row as the statement reads it now is list row nItem.
    bool RowAsListed(CDataLoader& loader, const CString& strStatement, int nItem);
    CString ListedSeqNo(int nItem) const;
    void SayFailed(Outcome outcome);
};
