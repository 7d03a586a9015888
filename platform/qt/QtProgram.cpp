#include "platform/qt/QtProgram.h"

#include <cstdio>
#include <filesystem>

#include "platform/framework/CWinApp.h"
#include "platform/qt/QtWindowSystem.h"
#include "platform/qt/ScreenApplication.h"
#include "platform/qt/ScreenOptions.h"

int QtProgram::Run(int argc, char** argv, const std::function<void()>& starting) {
    std::string name = argc > 0 && argv[0] ? std::filesystem::path(argv[0]).filename().string() : "cartavel";
    ScreenOptions options;
    if (!options.Parse(argc, argv)) {
        std::fprintf(stderr, "%s: %s\n%s", name.c_str(), options.Error().c_str(), ScreenOptions::Usage());
        return 2;
    }
    if (options.WantsHelp()) {
        std::fputs(ScreenOptions::Usage(), stdout);
        return 0;
    }
    std::string missing = ScreenApplication::MissingDisplay();
    if (!missing.empty()) {
        std::fprintf(stderr, "%s: cannot open a display: %s\n", name.c_str(), missing.c_str());
        return 1;
    }
    ScreenApplication application(options.Zoom(), name);
    QtWindowSystem screen;
    // What runs at the start may already have something to say in a box.
    WindowSystem* before = WindowSystem::Install(&screen);
    if (starting) starting();
    int status = AfxWinMain();
    WindowSystem::Install(before);
    return status;
}
