#include "app/CShopApp.h"

#include "app/CMainMenuDlg.h"

BEGIN_MESSAGE_MAP(CShopApp, CWinApp)
END_MESSAGE_MAP()

CShopApp::CShopApp() = default;

CShopApp::~CShopApp() = default;

CShopApp theApp;

BOOL CShopApp::InitInstance() {
    CMainMenuDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // Returning false ends the program instead of entering a message loop.
    return FALSE;
}
