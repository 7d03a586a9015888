#pragma once
// The shopping plan: the items to buy, each with category, product,
// quantity, unit, coupon discount and coupon flag. It lists every unpaid
// item; a picked item can be changed or deleted, and a save with nothing
// picked adds an item with the next SeqNo.

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"

class CPlanDlg : public CDialog {
public:
    explicit CPlanDlg(CWnd* pParent = nullptr);
    ~CPlanDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSave();
    void OnDelete();
    void ClearInputs();
    void OnSelchangeCategory();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);

    void ReloadList();
    void LoadCategoryCombo();
    void LoadUnitCombo();
    void LoadProductCombo();

    DECLARE_MESSAGE_MAP()

private:
    bool InputsAccepted();
    bool AddItem(class CDataLoader& loader);

    CString m_strSeqNo;
    CString m_strCuponYN;
    CString m_strOldProdName;
    CComboBox m_comboProduct;
    CComboBox m_comboCategory;
    CComboBox m_comboUnit;
    CListCtrl m_listPlan;
    CString m_strQty;
    CString m_strDcAmt;
    CString m_strUnit;
    CString m_strProdName;
    CString m_strCategory;
    int m_bCoupon = 0;
};
