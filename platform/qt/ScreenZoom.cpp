#include "platform/qt/ScreenZoom.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

// Qt's own scaling of every window, from its private high-DPI support.
class QHighDpiScaling {
public:
    static void setGlobalFactor(qreal factor);
};

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Qt warns that the factor should be set before any window exists; the
// windows are brought to it right after, so the warning says nothing here.
void QuietAboutLateFactor(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QHighDpiScaling::setFactor"))) return;
    if (g_previousHandler) g_previousHandler(type, context, message);
}

} // namespace

int ScreenZoom::ForDensity(double physicalDpi, double platformRatio) {
    if (!(physicalDpi > 0) || !(platformRatio > 0)) return kAtDesktopDensity;
    double zoom = kAtDesktopDensity * physicalDpi / 96.0 / platformRatio;
    return std::clamp(static_cast<int>(std::lround(zoom)), kMin, kMax);
}

int ScreenZoom::ForScreen(const QScreen* screen) {
    if (!screen) return kAtDesktopDensity;
    return ForDensity(screen->physicalDotsPerInch(), screen->devicePixelRatio() / s_nZoom);
}

void ScreenZoom::Set(int zoom) {
    zoom = std::clamp(zoom, kMin, kMax);
    if (zoom == s_nZoom) return;
    s_nZoom = zoom;
    g_previousHandler = qInstallMessageHandler(QuietAboutLateFactor);
    QHighDpiScaling::setGlobalFactor(zoom);
    qInstallMessageHandler(g_previousHandler);
    ResizeWindows();
}

void ScreenZoom::ResizeWindows() {
    // A window keeps its size in the device's pixels; resizing it there and
    // back makes Qt give it the new size on the screen and a new buffer.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        QSize size = window->size();
        bool fixed = window->minimumSize() == window->maximumSize();
        window->setFixedSize(size + QSize(1, 1));
        if (fixed) {
            window->setFixedSize(size);
        } else {
            window->setMinimumSize(0, 0);
            window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            window->resize(size);
        }
        // Every part is drawn again at the new sharpness; what Qt kept of
        // the last frame was drawn for the old one.
        window->update();
        for (QWidget* part : window->findChildren<QWidget*>()) part->update();
    }
}
