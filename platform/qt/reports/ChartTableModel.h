#pragma once
// A chart's table of numbers for a table view: texts as they are, numbers
// right aligned, the header from the table's columns.

#include <QAbstractTableModel>

#include "desk/ChartTable.h"

class ChartTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(ChartTable table);
    const ChartTable& Table() const { return m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ChartTable m_table;
};
