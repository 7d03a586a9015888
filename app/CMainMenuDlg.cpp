#include "app/CMainMenuDlg.h"

#include "dialogs/CBasicInfoDlg.h"
#include "dialogs/CPlanDlg.h"
#include "dialogs/CSearchDlg.h"
#include "dialogs/CShopStartDlg.h"
#include "dialogs/CStatsDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMainMenuDlg, CDialog)
    ON_BN_CLICKED(IDC_BTN_BASICINFO, OnBasicInfo)
    ON_BN_CLICKED(IDC_BTN_PLAN, OnPlan)
    ON_BN_CLICKED(IDC_BTN_SHOPPING, OnShopping)
    ON_BN_CLICKED(IDC_BTN_SEARCH, OnSearch)
    ON_BN_CLICKED(IDC_BTN_STATS, OnStats)
    ON_BN_CLICKED(IDC_BTN_EXIT, OnExit)
END_MESSAGE_MAP()

CMainMenuDlg::CMainMenuDlg(CWnd* pParent) : CDialog(IDD_MAINMENU, pParent) {
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr;
}

BOOL CMainMenuDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    CenterWindow(nullptr);
    SHSetNavBarText(GetSafeHwnd(), _T("Cartavel"));

    // Each button shows the image named by its caption and the letter U.
    struct Binding {
        int id;
        CBitmapButton& button;
    };
    Binding bindings[] = {
        {IDC_BTN_BASICINFO, m_btnBasicInfo}, {IDC_BTN_PLAN, m_btnPlan},   {IDC_BTN_SHOPPING, m_btnShopping},
        {IDC_BTN_SEARCH, m_btnSearch},       {IDC_BTN_STATS, m_btnStats}, {IDC_BTN_EXIT, m_btnExit},
    };
    for (Binding& b : bindings) {
        b.button.SubclassDlgItem(b.id, this);
        CString caption;
        b.button.GetWindowText(caption);
        b.button.LoadBitmaps(caption + _T("U"));
        b.button.SizeToContent();
    }
    // The first tab stop is the exit button: Enter right after the start
    // would end the program. The keyboard starts where the functions do.
    m_btnBasicInfo.SetFocus();
    return FALSE;
}

void CMainMenuDlg::OnBasicInfo() {
    CBasicInfoDlg* pDlg = new CBasicInfoDlg();
    pDlg->DoModal();
    delete pDlg;
    SHSetNavBarText(GetSafeHwnd(), _T("Cartavel"));
}

void CMainMenuDlg::OnPlan() {
    CPlanDlg* pDlg = new CPlanDlg();
    pDlg->DoModal();
    delete pDlg;
    SHSetNavBarText(GetSafeHwnd(), _T("Cartavel"));
}

void CMainMenuDlg::OnShopping() {
    CShopStartDlg* pDlg = new CShopStartDlg();
    pDlg->DoModal();
    delete pDlg;
    SHSetNavBarText(GetSafeHwnd(), _T("Cartavel"));
}

void CMainMenuDlg::OnSearch() {
    CSearchDlg* pDlg = new CSearchDlg();
    pDlg->DoModal();
    delete pDlg;
    SHSetNavBarText(GetSafeHwnd(), _T("Cartavel"));
}

void CMainMenuDlg::OnStats() {
    CStatsDlg* pDlg = new CStatsDlg();
    pDlg->DoModal();
    delete pDlg;
    SHSetNavBarText(GetSafeHwnd(), _T("Cartavel"));
}

void CMainMenuDlg::OnExit() {
    CDialog::OnOK();
}
