#include "platform/qt/widgets/DeviceListView.h"

#include <QPainter>

DeviceListView::DeviceListView(QWidget* parent) : QTreeView(parent) {}

void DeviceListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QTreeView::drawRow(painter, option, index);
    // The window's focus, whether or not the window is the active one: a
    // desktop without a window manager never makes it active.
    if (window()->focusWidget() != this || !currentIndex().isValid() || currentIndex().row() != index.row()) return;
    painter->save();
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    QRect row(0, option.rect.top(), viewport()->width(), option.rect.height());
    painter->drawRect(row.adjusted(0, 0, -1, -1));
    painter->restore();
}
