#include "platform/qt/widgets/BitmapButtonWidget.h"

#include <QPainter>

#include "platform/framework/CBitmapButton.h"
#include "platform/qt/widgets/QtBitmap.h"

BitmapButtonWidget::BitmapButtonWidget(QWidget* parent) : QAbstractButton(parent) {}

void BitmapButtonWidget::SetButton(const CBitmapButton* button) {
    m_button = button;
    m_pixmaps.clear();
    update();
}

void BitmapButtonWidget::paintEvent(QPaintEvent*) {
    if (!m_button) return;
    using State = CBitmapButton::State;
    State state = !isEnabled() ? State::Disabled : isDown() ? State::Pressed : hasFocus() ? State::Focused : State::Normal;
    const CBitmap& bitmap = m_button->ImageFor(state);
    if (!bitmap.IsLoaded()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, PixmapFor(bitmap, QtBitmap::ZoomOf(this)));
    // The images have no focused face of their own: without a frame a
    // keyboard user would not see where Enter goes. The window's focus
    // counts: without a window manager the window is never the active one.
    if (window()->focusWidget() == this) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

const QPixmap& BitmapButtonWidget::PixmapFor(const CBitmap& bitmap, int zoom) {
    std::pair key(bitmap.FileBytes().data(), zoom);
    auto found = m_pixmaps.find(key);
    if (found != m_pixmaps.end()) return found->second;
    return m_pixmaps.emplace(key, QtBitmap::ToPixmap(bitmap, zoom)).first->second;
}
