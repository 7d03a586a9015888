#include "platform/qt/screen/ScreenZoom.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/qt/widgets/DeviceMetrics.h"

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
    return ForDensity(screen->physicalDotsPerInch(), screen->devicePixelRatio() / s_zoom);
}

int ScreenZoom::LargestFitting(QSize deviceSize, QSize frame, QSize available, double platformRatio) {
    if (deviceSize.isEmpty() || !(platformRatio > 0) || available.isEmpty()) return kMax;
    for (int zoom = kMax; zoom > kMin; --zoom) {
        QSize window = deviceSize * (zoom * platformRatio) + frame;
        if (window.width() <= available.width() && window.height() <= available.height()) return zoom;
    }
    return kMin;
}

QWidget* ScreenZoom::DeviceWindow() {
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("device-screen")) found = window;
    }
    return found;
}

int ScreenZoom::Largest() {
    QWidget* window = DeviceWindow();
    QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return kMax;
    // Qt reports the screen in logical pixels of the zoom now; in this
    // screen's own pixels it never changes.
    double ratio = screen->devicePixelRatio();
    QSize available = screen->availableGeometry().size() * ratio;
    QSize device(DeviceMetrics::kScreenWidth, DeviceMetrics::kScreenHeight);
    QSize frame;
    if (window && window->isVisible()) frame = (window->frameGeometry().size() - window->size()) * ratio;
    return LargestFitting(device, frame, available, ratio / s_zoom);
}

void ScreenZoom::Set(int zoom) {
    zoom = std::clamp(zoom, kMin, std::max(kMin, std::min(kMax, Largest())));
    if (zoom == s_zoom) return;
    s_zoom = zoom;
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
