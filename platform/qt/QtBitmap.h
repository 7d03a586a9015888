#pragma once
// The framework's bitmaps are BMP files; Qt reads them as they are.

#include <QImage>

#include "platform/framework/CBitmap.h"

class QtBitmap {
public:
    // A null image for a bitmap that is not loaded or cannot be read.
    static QImage ToImage(const CBitmap& bitmap);
};
