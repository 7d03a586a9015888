#pragma once
// Statistics: what was spent in one month or one year, grouped by category,
// shop, month of the year or product. Each refresh loads the paid items of
// the period into a hidden list, ordered so that the rows of one group (and
// within it the rows of one trip) come together, and one pass over that list
// builds the visible report: a row per group, a blank row and the total.

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"

class CStatsDlg : public CDialog {
public:
    explicit CStatsDlg(CWnd* pParent = nullptr);
    ~CStatsDlg() override;

    // Where the report kinds take their group from in a scratch row.
    static constexpr int kColDate = 0;
    static constexpr int kColTrip = 1;
    static constexpr int kColShop = 2;
    static constexpr int kColCategory = 3;
    static constexpr int kColProduct = 4;
    static constexpr int kColAmount = 5;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnPrevPeriod();
    void OnNextPeriod();
    void OnSelchangeKind();
    void RefreshReport();

    void BuildCategoryReport();
    void BuildProductReport();
    void BuildShopReport();
    void BuildMonthReport();

    DECLARE_MESSAGE_MAP()

    int m_nMonth = 0;
    int m_nYear = 0;
    // No kind until one is chosen: the period then steps by years and no
    // query runs.
    int m_nKind = -1;
    CListCtrl m_listScratch;
    CListCtrl m_listReport;
    CComboBox m_comboKind;

private:
    using KeyOfRow = CString (*)(const CListCtrl& list, int nRow);
    using LabelOfKey = CString (*)(const CString& strKey);

    // The two shapes of report: amount per group, and trips and amount per group.
    void BuildAmountReport(int nKeyColumn);
    void BuildTripReport(KeyOfRow keyOf, LabelOfKey labelOf);

    bool IsMonthlyKind() const;
    void StepPeriod(bool bForward);
    void ShowPeriod();
    void SetToday();
    void ReplaceReportColumns();
    void ShowLoadFailure();
    int AppendReportRow(const CString& strLabel);
};
