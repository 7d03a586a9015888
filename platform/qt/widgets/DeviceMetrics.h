#pragma once
// The device's screen in its own pixels. The zoom for today's screens is not
// in here: Qt scales the whole window by it, style metrics and all, so every
// widget is laid out exactly as on the device.

#include <QFont>
#include <QRect>

#include "platform/framework/DialogTemplate.h"

class DeviceMetrics {
public:
    static constexpr int kScreenWidth = 240;
    static constexpr int kScreenHeight = 320;
    static constexpr int kNavigationBarHeight = 26;
    // The 9 point dialog font at the device's 96 dots per inch.
    static constexpr int kFontPixels = 12;
    // The edit field of a drop-down combo box; its template height is that of
    // the open list.
    static constexpr int kComboFieldUnits = 12;
    // Room added to an open drop-down list's entries.
    static constexpr int kDropDownRowRoom = 4;
    // A list view's row: the font and a little room, as the device's lists.
    static constexpr int kListRowHeight = kFontPixels + 3;

    // Dialog units to device pixels: 1 unit is 1.5 pixels, rounded half away
    // from zero as the device's own conversion does.
    static int Pixels(int units);
    static QRect Rect(const ControlTemplate& entry);
    // A Korean monospaced font standing in for the device's.
    static QFont Font();
};
