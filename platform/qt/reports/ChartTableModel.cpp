#include "platform/qt/reports/ChartTableModel.h"

void ChartTableModel::SetTable(ChartTable table) {
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int ChartTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int ChartTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.columns.size());
}

QVariant ChartTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const std::vector<std::string>& row = m_table.rows[static_cast<size_t>(index.row())];
    const size_t column = static_cast<size_t>(index.column());
    if (role == Qt::DisplayRole && column < row.size()) return QString::fromStdString(row[column]);
    if (role == Qt::TextAlignmentRole) {
        return m_table.columns[column].number ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant ChartTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromStdString(m_table.columns[static_cast<size_t>(section)].title);
}
