// cartavel: the shopping notebook on the screen of a Linux desktop. The
// program itself takes one argument, --database URL, a shared notebook on
// PostgreSQL in place of the device's file; the screen platform takes --zoom N.
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
#include "platform/qt/desktop/QtProgram.h"
#include "platform/qt/screen/ScreenOptions.h"
#include "platform/recordset/DatabaseChoice.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/StartupDatabase.h"

namespace {

// Takes --database URL out of the arguments (the screen's options know it
// not) and chooses that notebook; false when it has no value.
bool TakeDatabase(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) != "--database") continue;
        if (i + 1 >= argc || !*argv[i + 1]) return false;
        DatabaseChoice::UsePostgres(argv[i + 1]);
        for (int j = i; j + 2 <= argc; ++j) argv[j] = argv[j + 2];
        argc -= 2;
        return true;
    }
    return true;
}

bool AsksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--help" || word == "-h") return true;
    }
    return false;
}

// The screen's options, the shared notebook, then every command.
void PrintHelp() {
    std::fputs(ScreenOptions::Usage(), stdout);
    std::fputs("  --database URL a shared notebook on PostgreSQL (postgresql://user@host/db) in place of the\n"
               "                 device's file\n\n",
               stdout);
    std::fputs(DeskCommand::Overview({BasketCommand::Usage()}).c_str(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && DeskCommand::IsCommand(argv[1])) {
        std::vector<std::string> words(argv + 1, argv + argc);
        if (BasketCommand::IsBasket(words)) return BasketCommand::Run(words, std::cout, std::cerr);
        return DeskCommand::Run(words, std::cout, std::cerr, {BasketCommand::Usage()});
    }
    if (AsksForHelp(argc, argv)) {
        PrintHelp();
        return 0;
    }
    // The application object lives in the program's library: naming it here
    // links it in, and constructing it made it the framework's.
    if (AfxGetApp() != &theApp) {
        std::fprintf(stderr, "cartavel: the application object is missing\n");
        return 1;
    }
    if (!TakeDatabase(argc, argv)) {
        std::fprintf(stderr, "cartavel: --database needs a connection (postgresql://user@host/db)\n");
        return 2;
    }
    if (argc > 0 && argv[0]) CWinApp::SetProgramFileName(CString::FromUtf8(argv[0]));

    // A first run makes the database; a file that cannot be used is named
    // in a box before the main menu, not discovered at the first save.
    return QtProgram::Run(argc, argv, [] { StartupDatabase::Prepare(DeviceFileSystem::Root()); });
}
