#include "platform/qt/widgets/QtBitmap.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/qt/widgets/MenuArt.h"
#include "platform/qt/widgets/QtText.h"

QImage QtBitmap::ToImage(const CBitmap& bitmap) {
    if (!bitmap.IsLoaded()) return QImage();
    auto bytes = bitmap.FileBytes();
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
}

QPixmap QtBitmap::ToPixmap(const CBitmap& bitmap, int zoom) {
    if (!bitmap.IsLoaded()) return QPixmap();
    QImage drawn = zoom > 1 ? MenuArt::Draw(QtText::ToQString(bitmap.Name()), zoom) : QImage();
    // A drawing that no longer matches the bitmap carried (another size)
    // would move the menu's layout: the file wins.
    if (drawn.isNull() || drawn.size() != QSize(bitmap.Width(), bitmap.Height()) * zoom) {
        return QPixmap::fromImage(ToImage(bitmap));
    }
    QPixmap pixmap = QPixmap::fromImage(drawn);
    pixmap.setDevicePixelRatio(zoom);
    return pixmap;
}

int QtBitmap::ZoomOf(const QWidget* widget) {
    return std::max(1, static_cast<int>(std::ceil(widget->devicePixelRatioF())));
}
