#pragma once
// How many pixels of this screen show one pixel of the device's, for every
// window of the program at once, and changeable while it runs.
//
// Qt takes its scale factor from the environment at start only; changing it
// later goes through Qt's own high-DPI scaling (a private part of Qt Gui,
// exported by the library: Debian's Qt 6.4 has it). The logical geometry,
// the device's pixels, never changes: only the windows' size on the screen
// and the sharpness of what is drawn in them.

#include <QSize>

class QScreen;
class QWidget;

class ScreenZoom {
public:
    static constexpr int kMin = 1;
    static constexpr int kMax = 8;
    // At the density of an ordinary desktop screen (96 dots per inch) the
    // device's screen shows at twice its pixels, big enough to read.
    static constexpr int kAtDesktopDensity = 2;

    // The zoom for a screen of that physical density on which the platform
    // already draws `platformRatio` pixels per logical pixel.
    static int ForDensity(double physicalDpi, double platformRatio);
    static int ForScreen(const QScreen* screen);

    // The largest zoom at which a window of `deviceSize` (the device's
    // pixels) and a frame of `frame` pixels of this screen fit in `available`
    // pixels of this screen, on which the platform draws `platformRatio`
    // pixels per logical pixel; kMin when even that does not fit.
    static int LargestFitting(QSize deviceSize, QSize frame, QSize available, double platformRatio);
    // The largest zoom at which the device's screen fits the screen's area
    // left by the desktop's panels, frame included once it is known.
    static int Largest();

    // Sets the zoom (clamped to kMin..Largest()) and brings the shown windows
    // to it.
    static void Set(int zoom);
    static int Current() { return s_zoom; }
    // The zoom the program started with, for Ctrl+0.
    static void SetStartZoom(int zoom) { s_startZoom = zoom; }
    static int StartZoom() { return s_startZoom; }

private:
    static void ResizeWindows();
    // The window that shows the device's screen: the widest top-level one.
    static QWidget* DeviceWindow();

    static inline int s_zoom = 1;
    static inline int s_startZoom = kAtDesktopDensity;
};
