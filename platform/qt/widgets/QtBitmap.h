#pragma once
// The framework's bitmaps are BMP files; Qt reads them as they are.

#include <QImage>
#include <QPixmap>

#include "platform/framework/CBitmap.h"

class QWidget;

class QtBitmap {
public:
    // A null image for a bitmap that is not loaded or cannot be read.
    static QImage ToImage(const CBitmap& bitmap);
    // The bitmap for a screen that shows a device pixel as `zoom` x `zoom`
    // pixels: one of our own drawings (MenuArt) is drawn again at that size,
    // sharp; any other bitmap is the file's, for Qt to enlarge.
    static QPixmap ToPixmap(const CBitmap& bitmap, int zoom);
    // The zoom a widget is painted at now.
    static int ZoomOf(const QWidget* widget);
};
