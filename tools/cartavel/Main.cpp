// cartavel: the shopping notebook on the screen of a Linux desktop. The
// program itself takes no arguments; the screen platform takes --zoom N.

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/CShopApp.h"
#include "platform/framework/CWinApp.h"
#include "platform/qt/QtProgram.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"

int main(int argc, char** argv) {
    // The application object lives in the program's library: naming it here
    // links it in, and constructing it made it the framework's.
    if (AfxGetApp() != &theApp) {
        std::fprintf(stderr, "cartavel: the application object is missing\n");
        return 1;
    }
    if (argc > 0 && argv[0]) CWinApp::SetProgramFileName(CString::FromUtf8(argv[0]));

    return QtProgram::Run(argc, argv, [] {
        // The program opens the database and never makes it; say where it
        // should be, so that the dialogs' failures have an explanation.
        std::filesystem::path root = DeviceFileSystem::Root();
        std::error_code ignored;
        if (!std::filesystem::exists(FirstInstallation::DatabasePath(root), ignored)) {
            std::fprintf(stderr, "cartavel: there is no database under %s yet; cartavel-install creates it\n",
                         root.string().c_str());
        }
    });
}
