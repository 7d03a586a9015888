#include "platform/qt/DeviceStyle.h"

#include <QStyleFactory>

namespace {
// Room around a push button's text: the device's buttons are as wide as
// their template says, and the message boxes' three buttons must fit its
// screen side by side.
constexpr int kButtonTextRoom = 16;
} // namespace

DeviceStyle::DeviceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int DeviceStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    // Tabs that hug their texts: four of them fit the narrow tab controls.
    case PM_TabBarTabHSpace: return 8;
    case PM_TabBarTabVSpace: return 4;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize DeviceStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                    const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    // Fusion makes every push button at least 80 pixels wide, a third of the
    // device's screen.
    if (type == CT_PushButton) result.setWidth(std::min(result.width(), size.width() + kButtonTextRoom));
    return result;
}

int DeviceStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
