#pragma once
// The main menu: six image buttons over a background picture. Five open a
// function's dialog; the sixth ends the program.

#include "platform/framework/CBitmapButton.h"
#include "platform/framework/CDialog.h"

class CMainMenuDlg : public CDialog {
public:
    explicit CMainMenuDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnBasicInfo();
    void OnPlan();
    void OnShopping();
    void OnSearch();
    void OnStats();
    void OnExit();

    DECLARE_MESSAGE_MAP()

private:
    CBitmapButton m_btnBasicInfo;
    CBitmapButton m_btnPlan;
    CBitmapButton m_btnShopping;
    CBitmapButton m_btnStats;
    CBitmapButton m_btnSearch;
    CBitmapButton m_btnExit;
    HICON m_hIcon;
};
