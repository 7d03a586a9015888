#pragma once
// The paid trips of one month: one row per trip with its day, shop and
// amount, and the month's total. The arrows step to the previous or next
// month; tapping a trip opens its payment, where it can be undone.

#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"

class CSearchDlg : public CDialog {
public:
    explicit CSearchDlg(CWnd* pParent = nullptr);
    ~CSearchDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnPrevMonth();
    void OnNextMonth();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void ReloadList();

    DECLARE_MESSAGE_MAP()

private:
    void ShowMonth();
    void AfterStep();
    void AppendTrip(const CString& strMgrNo, const CString& strDate, const CString& strStore, long long nSum);

    int m_nMonth = 0;
    int m_nYear = 0;
    CListCtrl m_listScratch;
    CListCtrl m_listTrips;
};
