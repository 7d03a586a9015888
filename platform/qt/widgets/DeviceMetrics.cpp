#include "platform/qt/widgets/DeviceMetrics.h"

int DeviceMetrics::Pixels(int units) {
    return units >= 0 ? (units * 3 + 1) / 2 : -((-units * 3 + 1) / 2);
}

QRect DeviceMetrics::Rect(const ControlTemplate& entry) {
    return QRect(Pixels(entry.x), Pixels(entry.y), Pixels(entry.width), Pixels(entry.height));
}

QFont DeviceMetrics::Font() {
    QFont font(QStringLiteral("NanumGothicCoding"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kFontPixels);
    return font;
}
