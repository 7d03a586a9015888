// cartavel: the shopping notebook on the screen of a Linux desktop. The
// program itself takes no arguments; the screen platform takes --zoom N.
// A first argument that is a word runs that job on the notebook (backup,
// restore, export, import) and ends, without a display.

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/CShopApp.h"
#include "companion/BasketCommand.h"
#include "desk/DeskCommand.h"
#include "platform/framework/CWinApp.h"
#include "platform/qt/QtProgram.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/StartupDatabase.h"

int main(int argc, char** argv) {
    if (argc > 1 && DeskCommand::IsCommand(argv[1])) {
        std::vector<std::string> words(argv + 1, argv + argc);
        if (BasketCommand::IsBasket(words)) return BasketCommand::Run(words, std::cout, std::cerr);
        return DeskCommand::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    }
    // The application object lives in the program's library: naming it here
    // links it in, and constructing it made it the framework's.
    if (AfxGetApp() != &theApp) {
        std::fprintf(stderr, "cartavel: the application object is missing\n");
        return 1;
    }
    if (argc > 0 && argv[0]) CWinApp::SetProgramFileName(CString::FromUtf8(argv[0]));

    // A first run makes the database; a file that cannot be used is named
    // in a box before the main menu, not discovered at the first save.
    return QtProgram::Run(argc, argv, [] { StartupDatabase::Prepare(DeviceFileSystem::Root()); });
}
