#pragma once
// A list view that marks the row its keys act on (its current row) with a
// dotted frame whenever it has the focus, as the device does: the row a
// person walks to with the arrows before Space or Enter taps it. Qt's own
// styles draw that frame faintly, or only after a Tab.

#include <QTreeView>

class DeviceListView : public QTreeView {
public:
    explicit DeviceListView(QWidget* parent);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
