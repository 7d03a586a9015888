#pragma once
// The application object. One global instance; the platform's entry calls its
// InitInstance and ends the program when it returns false.

#include "platform/framework/CBitmap.h"
#include "platform/framework/CCmdTarget.h"
#include "platform/framework/CString.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    HICON LoadIcon(UINT nIDResource) const;

    CWnd* m_pMainWnd = nullptr;
    // The application's title: the name given at construction, or else the
    // program file's base name.
    const CString& AppTitle() const;

    // Set by the platform's entry from the program file's name.
    static void SetProgramFileName(const CString& path);

private:
    CString m_strAppName;
};

CWinApp* AfxGetApp();
// The application-level message box: the text, the application's title as
// caption, OK only.
int AfxMessageBox(LPCTSTR text, UINT nType = MB_OK);
// Runs the application object: InitInstance, and the program's end.
int AfxWinMain();
