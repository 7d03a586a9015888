#pragma once
// A small dialog in the program's style with a control of every kind, which
// records what reaches its handlers. Its opener button runs CScreenChildDlg.

#include <string>
#include <vector>

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CMonthCalCtrl.h"
#include "platform/framework/CTabCtrl.h"

namespace ScreenTestIds {
constexpr int kTemplate = 9101;
constexpr int kChildTemplate = 9102;
constexpr int IDC_NAME = 10;
constexpr int IDC_PRICE = 11;
constexpr int IDC_KIND = 12;
constexpr int IDC_SAVE = 13;
constexpr int IDC_LIST = 14;
constexpr int IDC_COUPON = 15;
constexpr int IDC_TABS = 16;
constexpr int IDC_CALENDAR = 17;
constexpr int IDC_LABEL = 18;
constexpr int IDC_ASK = 19;
constexpr int IDC_NOTICE = 20;
constexpr int IDC_OPEN = 21;
constexpr int IDC_FILL = 22;
constexpr int IDC_CHANGE = 23;
constexpr int IDC_CHILD_EDIT = 30;
} // namespace ScreenTestIds

class CScreenTestDlg : public CDialog {
public:
    CScreenTestDlg();
    // The templates of this dialog and of its child.
    static void RegisterTemplates();

    CString m_strName;
    CString m_strPrice;
    CString m_strKind;
    int m_bCoupon = 0;
    CComboBox m_comboKind;
    CListCtrl m_listItems;
    CTabCtrl m_tabs;
    CMonthCalCtrl m_calendar;
    std::vector<std::string> m_events;
    int m_nFillRows = 100000;
    bool m_bHidePriceOnNameLoss = false;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnNameKillFocus();
    void OnPriceKillFocus() { m_events.push_back("price lost focus"); }
    void OnSave() { m_events.push_back("save"); }
    void OnSelchangeKind();
    void OnCoupon();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelchangeTabs(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelectCalendar(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAsk();
    void OnNotice();
    void OnOpen();
    void OnFill();
    void OnChange();

    DECLARE_MESSAGE_MAP()
};
