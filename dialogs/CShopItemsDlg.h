#pragma once
// Pricing the items while shopping: every unpaid item is listed; a tapped
// item's quantity, unit, unit price, discount and amount are entered and
// stored with the trip's date and shop. The amount follows from quantity,
// price and discount (and the price from an amount typed in) whenever one
// of those fields is left. The total of all listed amounts shows at the
// bottom; "계산하기" hands the trip to the payment.

#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"

class CShopItemsDlg : public CDialog {
public:
    explicit CShopItemsDlg(CWnd* pParent = nullptr);
    ~CShopItemsDlg() override;

    // Set by the opener before the modal run; fixed for the whole trip.
    CString m_strStoreName;
    CString m_strShpDate;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSettle();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSave();
    void SaveItem();
    void OnCancelItem();
    void OnPriceKillFocus();
    void OnDiscountKillFocus();
    void OnQtyKillFocus();
    void OnAmountKillFocus();

    void InsertColumns();
    void LoadUnitCombo();
    void LoadItemList();

    DECLARE_MESSAGE_MAP()

private:
    // Q x P - D into the amount, empty when it is 0 or does not fit.
    void RecomputeAmount();
    // Checks the four number fields and rewrites each with "%d".
    // The number fields in screen order; the id of the first refused, 0 when all are whole.
    int NormaliseNumbers();
    // An empty field takes the chosen row's stored value from list column nColumn.
    void KeepStoredWhenEmpty(CString& strField, int nColumn);
    // Stores the fields into the chosen row; "처리오류" when that fails.
    void StoreItem(const CString& strPrice, const CString& strDiscount, const CString& strAmount);

    CString m_strCuponDcAmt;
    CString m_strCuponYN;
    CString m_strSeqNo;
    CListCtrl m_listItems;
    CString m_strCategoryName;
    CString m_strProdName;
    CString m_strShpQty;
    CString m_strPrice;
    CString m_strTotDcAmt;
    CString m_strShpAmount;
    CString m_strUnitName;
    CString m_strTotal;
};
