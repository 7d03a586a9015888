#include "platform/framework/CWinApp.h"

#include <map>

#include "platform/framework/Resources.h"
#include "platform/framework/WindowSystem.h"

namespace {

CWinApp* g_app = nullptr;

CString& ProgramBaseName() {
    static CString name(u"cartavel");
    return name;
}

} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_strAppName(lpszAppName ? lpszAppName : u"") {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    static std::map<UINT, CBitmap> icons;
    CBitmap& icon = icons[nIDResource];
    if (!icon.IsLoaded()) icon.LoadFromBytes(Resources::Find("ICON", std::to_string(nIDResource)));
    return icon.IsLoaded() ? &icon : nullptr;
}

const CString& CWinApp::AppTitle() const {
    return m_strAppName.IsEmpty() ? ProgramBaseName() : m_strAppName;
}

void CWinApp::SetProgramFileName(const CString& path) {
    int slash = -1;
    for (int i = 0; i < path.GetLength(); ++i) {
        if (path[i] == u'/' || path[i] == u'\\') slash = i;
    }
    CString base = path.Mid(slash + 1);
    int dot = base.Find(u'.');
    if (dot > 0) base = base.Left(dot);
    if (!base.IsEmpty()) ProgramBaseName() = base;
}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxMessageBox(LPCTSTR text, UINT nType) {
    MessageBoxRequest request;
    request.isNotice = true;
    request.text = CString(text);
    request.caption = g_app ? g_app->AppTitle() : ProgramBaseName();
    request.type = nType;
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->ShowMessageBox(request) : IDOK;
}

int AfxWinMain() {
    if (!g_app) return 1;
    g_app->m_pMainWnd = nullptr;
    // Returning false from InitInstance ends the program; a dialog-based
    // application never enters a message loop of its own.
    g_app->InitInstance();
    g_app->m_pMainWnd = nullptr;
    return 0;
}
