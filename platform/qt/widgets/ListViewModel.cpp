#include "platform/qt/widgets/ListViewModel.h"

#include <QSize>

#include "platform/framework/CListCtrl.h"
#include "platform/qt/widgets/DeviceMetrics.h"
#include "platform/qt/widgets/QtText.h"

ListViewModel::ListViewModel(const CListCtrl& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(&list), m_rows(list.GetItemCount()), m_columns(list.GetColumnCount()) {}

void ListViewModel::SetList(const CListCtrl& list) {
    m_list = &list;
    Reload();
}

void ListViewModel::Reload() {
    beginResetModel();
    m_rows = m_list->GetItemCount();
    m_columns = m_list->GetColumnCount();
    endResetModel();
}

void ListViewModel::CellChanged(int row, int column) {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) return;
    QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

int ListViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ListViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return QVariant();
    if (role == Qt::DisplayRole) return QtText::ToQString(m_list->GetItemText(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ColumnAlignment(index.column()) | Qt::AlignVCenter);
    if (role == Qt::SizeHintRole) return QSize(0, DeviceMetrics::kListRowHeight);
    return QVariant();
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_list->GetColumnCount()) {
        return QVariant();
    }
    if (role == Qt::DisplayRole) return QtText::ToQString(m_list->Column(section).title);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ColumnAlignment(section) | Qt::AlignVCenter);
    return QVariant();
}

Qt::Alignment ListViewModel::ColumnAlignment(int column) const {
    // The device's list view always draws its first column from the left.
    if (column == 0 || column >= m_list->GetColumnCount()) return Qt::AlignLeft;
    switch (m_list->Column(column).format) {
    case LVCFMT_RIGHT: return Qt::AlignRight;
    case LVCFMT_CENTER: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}
