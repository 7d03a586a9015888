#include "platform/qt/screen/ScreenApplication.h"

#include <QApplication>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/qt/screen/ScreenOptions.h"
#include "platform/qt/screen/ScreenZoom.h"
#include "platform/qt/widgets/DeviceMetrics.h"
#include "platform/qt/widgets/DeviceStyle.h"

namespace {

// What Qt said while it started, held back: when it fails, its own messages
// would bury the one line that tells the person what is wrong.
struct StartupLog {
    std::string programName;
    std::vector<std::string> messages;
};

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

StartupLog& Log() {
    static StartupLog log;
    return log;
}


void HoldStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    StartupLog& log = Log();
    if (type != QtFatalMsg) {
        log.messages.push_back(message.toStdString());
        return;
    }
    // Qt gives up on the platform and would abort next. The reason is what
    // it said about the display or the platform before; its own last words
    // only suggest reinstalling.
    std::string reason = message.section(QLatin1Char('\n'), 0, 0).toStdString();
    for (const char* topic : {"display", "platform plugin"}) {
        auto held = std::find_if(log.messages.begin(), log.messages.end(),
                                 [&](const std::string& m) { return m.find(topic) != std::string::npos; });
        if (held == log.messages.end()) continue;
        reason = *held;
        if (topic == std::string("display") && Environment("DISPLAY").empty()) reason += "(DISPLAY is not set)";
        break;
    }
    std::fprintf(stderr, "%s: cannot open a display: %s\n", log.programName.c_str(), reason.c_str());
    std::_Exit(1);
}

} // namespace

std::string ScreenApplication::MissingDisplay() {
    // A platform named on purpose (offscreen, vnc, ...) is Qt's to try.
    if (!Environment("QT_QPA_PLATFORM").empty()) return "";
    if (!Environment("DISPLAY").empty() || !Environment("WAYLAND_DISPLAY").empty()) return "";
    return "neither DISPLAY nor WAYLAND_DISPLAY is set (run it on a desktop, or under Xvfb)";
}

ScreenApplication::ScreenApplication(int zoom, const std::string& programName) : m_programName(programName) {
    m_argv[0] = m_programName.data();
    Log().programName = programName;
    Log().messages.clear();
    QtMessageHandler previous = qInstallMessageHandler(HoldStartupMessage);
    m_app = std::make_unique<QApplication>(m_argc, m_argv);
    qInstallMessageHandler(previous);
    for (const std::string& message : Log().messages) std::fprintf(stderr, "%s\n", message.c_str());
    // Qt takes the desktop's locale on; the program's numbers are written as
    // on the device, with a decimal point, whatever the desktop prefers.
    std::setlocale(LC_NUMERIC, "C");

    QApplication::setStyle(new DeviceStyle);
    QApplication::setFont(DeviceMetrics::Font());
    // The program ends when its main dialog does, not with its last window.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QString::fromStdString(programName));

    // The device's pixels become zoom x zoom pixels of this screen.
    int start = zoom == ScreenOptions::kZoomOfScreen ? ScreenZoom::ForScreen(QGuiApplication::primaryScreen()) : zoom;
    // A window taller than the screen has a bottom nobody can reach.
    int largest = ScreenZoom::Largest();
    if (start > largest) {
        if (zoom != ScreenOptions::kZoomOfScreen) {
            std::fprintf(stderr, "%s: zoom %d is larger than the screen; using zoom %d\n", programName.c_str(), zoom,
                         largest);
        }
        start = largest;
    }
    ScreenZoom::SetStartZoom(start);
    ScreenZoom::Set(start);
}

ScreenApplication::~ScreenApplication() = default;
