#include "platform/qt/BitmapButtonWidget.h"

#include <QPainter>

#include "platform/framework/CBitmapButton.h"
#include "platform/qt/QtBitmap.h"

BitmapButtonWidget::BitmapButtonWidget(QWidget* parent) : QAbstractButton(parent) {}

void BitmapButtonWidget::SetButton(const CBitmapButton* button) {
    m_pButton = button;
    m_pixmaps.clear();
    update();
}

void BitmapButtonWidget::paintEvent(QPaintEvent*) {
    if (!m_pButton) return;
    using State = CBitmapButton::State;
    State state = !isEnabled() ? State::Disabled : isDown() ? State::Pressed : hasFocus() ? State::Focused : State::Normal;
    const CBitmap& bitmap = m_pButton->ImageFor(state);
    if (!bitmap.IsLoaded()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, PixmapFor(bitmap.FileBytes().data(), bitmap.FileBytes().size()));
}

const QPixmap& BitmapButtonWidget::PixmapFor(const unsigned char* bytes, std::size_t size) {
    auto found = m_pixmaps.find(bytes);
    if (found != m_pixmaps.end()) return found->second;
    CBitmap bitmap;
    bitmap.LoadFromBytes({bytes, size});
    return m_pixmaps.emplace(bytes, QPixmap::fromImage(QtBitmap::ToImage(bitmap))).first->second;
}
