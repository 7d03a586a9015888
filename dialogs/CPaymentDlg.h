#pragma once
// Checkout. In NEW mode it lists every priced, unpaid item and pays them all
// as one trip under the next trip number; in MODIFY mode it lists the items
// of one paid trip, whose payment it can undo.

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
    void UndoPayment(const CString& strReason);

    DECLARE_MESSAGE_MAP()

private:
    bool TakeNewTripNumber(class CDataLoader& loader);
};
