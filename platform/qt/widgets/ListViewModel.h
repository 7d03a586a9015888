#pragma once
// The rows and columns of a framework list view, read where they are. The
// counts the view knows are taken only at Reload, so that a fill of many rows
// costs one reset instead of one insertion each.

#include <QAbstractTableModel>

class CListCtrl;

class ListViewModel : public QAbstractTableModel {
public:
    ListViewModel(const CListCtrl& list, QObject* parent);

    // Reads another list: a member of the dialog now stands for the control.
    void SetList(const CListCtrl& list);
    // Takes the list's current rows and columns.
    void Reload();
    void CellChanged(int row, int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Qt::Alignment ColumnAlignment(int column) const;

    const CListCtrl* m_list;
    int m_rows = 0;
    int m_columns = 0;
};
