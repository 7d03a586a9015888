#pragma once
// The application object: runs the main menu, and the program ends with it.

#include "platform/framework/CWinApp.h"

class CShopApp : public CWinApp {
public:
    CShopApp();
    ~CShopApp() override;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CShopApp theApp;
