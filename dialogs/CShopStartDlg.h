#pragma once
// Opens a shopping trip: the date (today, a day from the calendar that drops
// down under it, or one typed) and the shop (picked or typed). Starting runs the items dialog for that
// date and shop; when it returns, this dialog ends too, so the person is back
// at the main menu.

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"

class CShopStartDlg : public CDialog {
public:
    explicit CShopStartDlg(CWnd* pParent = nullptr);
    ~CShopStartDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnStartShopping();
    void OnCalendarButton();
    void OnCalendarSelect(NMHDR* pNMHDR, LRESULT* pResult);
    void OnStoreSelChange();

    void ShowCalendar(bool bShow);
    bool IsListedStore(const CString& strStore);

    DECLARE_MESSAGE_MAP()

private:
    CString m_strStoreName;
    CString m_strCalendarState;
    CComboBox m_cboStore;
    CString m_strShpDate;
};
