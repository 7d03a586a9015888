#pragma once
// How many pixels of this screen show one pixel of the device's, for every
// window of the program at once, and changeable while it runs.
//
// Qt takes its scale factor from the environment at start only; changing it
// later goes through Qt's own high-DPI scaling (a private part of Qt Gui,
// exported by the library: Debian's Qt 6.4 has it). The logical geometry,
// the device's pixels, never changes: only the windows' size on the screen
// and the sharpness of what is drawn in them.

class QScreen;

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

    // Sets the zoom (clamped to kMin..kMax) and brings the shown windows to it.
    static void Set(int zoom);
    static int Current() { return s_nZoom; }
    // The zoom the program started with, for Ctrl+0.
    static void SetStartZoom(int zoom) { s_nStartZoom = zoom; }
    static int StartZoom() { return s_nStartZoom; }

private:
    static void ResizeWindows();

    static inline int s_nZoom = 1;
    static inline int s_nStartZoom = kAtDesktopDensity;
};
