#include "platform/qt/desktop/QtProgram.h"

#include <QCoreApplication>
#include <QTimer>

#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/framework/CWinApp.h"
#include "platform/qt/desktop/DeskWindow.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/screen/QtWindowSystem.h"
#include "platform/qt/screen/ScreenApplication.h"
#include "platform/qt/screen/ScreenOptions.h"
#include "platform/shell/DeviceFileSystem.h"

namespace {

// Taken while the program's statics are made, before main.
const auto g_beforeMain = std::chrono::steady_clock::now();

// Milliseconds since the kernel started the process (to its clock tick, 10
// ms), or -1: that counts loading the libraries too, which no clock inside
// the program sees.
long MillisecondsSinceExec() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::size_t end = text.rfind(')');
    if (end == std::string::npos) return -1;
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    // The start time is field 22; the state, field 3, comes first here.
    for (int i = 3; i < 22 && fields >> field; ++i) {}
    unsigned long long startTicks = 0;
    if (!(fields >> startTicks)) return -1;
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    long ticksPerSecond = sysconf(_SC_CLK_TCK);
    double started = static_cast<double>(startTicks) / static_cast<double>(ticksPerSecond);
    return static_cast<long>((static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - started) * 1000.0);
}

// Says how long the start took once the screen has shown its first frame,
// and ends the program.
void ReportFirstPaint(const std::string& name) {
    auto sinceMain = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - g_beforeMain);
    std::printf("%s: first frame painted %ld ms after the process started (%lld ms after its start-up code ran)\n",
                name.c_str(), MillisecondsSinceExec(), static_cast<long long>(sinceMain.count()));
    std::fflush(stdout);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
}

} // namespace

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
    // The desktop's window holds the device's screen; a measuring run makes
    // no backups.
    DeskWindow desk(screen, DeviceFileSystem::Root(), options.Zoom() != ScreenOptions::kZoomOfScreen,
                    !options.MeasuresFirstPaint());
    desk.show();
    // What runs at the start may already have something to say in a box.
    if (options.MeasuresFirstPaint()) screen.Screen().OnFirstPaint([name] { ReportFirstPaint(name); });
    WindowSystem* before = WindowSystem::Install(&screen);
    if (starting) starting();
    desk.NotebookPrepared();
    int status = AfxWinMain();
    desk.Finish();
    WindowSystem::Install(before);
    return status;
}
