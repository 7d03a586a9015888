#pragma once
// Basic information: the four lists the other dialogs offer for choice -
// categories, products (each under a category), units and shops - one per
// tab, each kept with new entry, save (add or rename) and delete.

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CTabCtrl.h"

class CBasicInfoDlg : public CDialog {
public:
    explicit CBasicInfoDlg(CWnd* pParent = nullptr);
    ~CBasicInfoDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSave();
    void OnSelchangeCategory();
    void OnDelete();
    void ClearInputs();

    void ShowTabControls();
    void ReloadList();
    void LoadCategoryCombo();

    DECLARE_MESSAGE_MAP()

private:
    enum class SaveAs { Insert, Rename, Duplicate, Failed, Nothing };

    bool TakeInputs();
    SaveAs DecideSave(class CDataLoader& loader);
    CString InsertStatement() const;
    CString RenameStatement() const;
    // "처리오류" when the statement failed, else strDone and the list anew.
    void Report(BOOL bStored, LPCTSTR strDone);

    CString m_strOldName;
    CString m_strOldProdName;
    int m_nTab = 0;
    CListCtrl m_listEntries;
    CComboBox m_comboCategory;
    CTabCtrl m_tabKind;
    CString m_strName;
    CString m_strProdName;
    CString m_strCategory;
};
