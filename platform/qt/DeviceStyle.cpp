#include "platform/qt/DeviceStyle.h"

#include <QStyleFactory>

DeviceStyle::DeviceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int DeviceStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    // Tabs that hug their texts: four of them fit the narrow tab controls.
    case PM_TabBarTabHSpace: return 8;
    case PM_TabBarTabVSpace: return 4;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}
