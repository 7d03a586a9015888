#include "platform/qt/QtBitmap.h"

QImage QtBitmap::ToImage(const CBitmap& bitmap) {
    if (!bitmap.IsLoaded()) return QImage();
    auto bytes = bitmap.FileBytes();
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
}
