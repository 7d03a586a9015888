#include "platform/qt/widgets/DeviceStyle.h"

#include <QScrollBar>
#include <QStyleFactory>

#include "platform/qt/widgets/DeviceMetrics.h"

namespace {
// Room around a push button's text: the device's buttons are as wide as
// their template says, and the message boxes' three buttons must fit its
// screen side by side.
constexpr int kButtonTextRoom = 16;
constexpr int kTabTopRoom = 2;
} // namespace

DeviceStyle::DeviceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int DeviceStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    // Tabs that hug their texts: four of them fit the narrow tab controls,
    // and are tall enough for the Korean glyphs' full height.
    case PM_TabBarTabHSpace: return 4;
    case PM_TabBarTabVSpace: return 8;
    // A selected tab stands this much above the others, and the tabs start
    // that low in the control, as the device draws them.
    case PM_TabBarTabShiftVertical: return 2;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize DeviceStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                    const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    // Fusion makes every push button at least 80 pixels wide, a third of the
    // device's screen.
    if (type == CT_PushButton) result.setWidth(std::min(result.width(), size.width() + kButtonTextRoom));
    // The entries of an open drop-down list get room above and below, so that
    // the highlight's border does not cut into the first one.
    if (type == CT_ItemViewItem && widget && widget->inherits("QComboBoxListView")) {
        result.rheight() += DeviceMetrics::kDropDownRowRoom;
    }
    // A tab as wide as its text and the room around it, no more.
    if (type == CT_TabBarTab) result.setWidth(size.width());
    return result;
}

QRect DeviceStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    // The raised selected tab stays inside the control instead of touching
    // whatever lies above it (the navigation bar, for a control at the top).
    switch (element) {
    case SE_TabWidgetTabBar: return rect.translated(0, kTabTopRoom);
    case SE_TabWidgetTabPane:
    case SE_TabWidgetTabContents: return rect.adjusted(0, kTabTopRoom, 0, 0);
    default: return rect;
    }
}

void DeviceStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // Fusion's white thumb is lost on the white dialogs' light groove: a
    // grey thumb shows where the list is.
    if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Button, QColor(0xa8, 0xa8, 0xa8));
        palette.setColor(QPalette::Window, QColor(0xe8, 0xe8, 0xe8));
        bar->setPalette(palette);
    }
}

int DeviceStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    // The device's message boxes have plain text buttons.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
