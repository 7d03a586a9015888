#pragma once
// A list view in report view. Rows, cells and columns that the program
// changes are shown together, at the next refresh: a fill of a hundred
// thousand rows then costs one reload. Columns of width 0 carry data for the
// program and stay invisible; the others are fitted to the list's width
// (ColumnFit), so that numbers always show whole. A tap reports the row under it, -1 beside the
// rows; the selection shown is the framework's. The keys walk the rows with a
// highlight and tap the highlighted one.

#include "platform/framework/CListCtrl.h"
#include "platform/qt/peers/ControlPeerOf.h"
#include "platform/qt/widgets/ColumnFit.h"
#include "platform/qt/widgets/DeviceListView.h"

class ListViewModel;
class QKeyEvent;

class ListViewPeer : public ControlPeerOf<CListCtrl, DeviceListView> {
public:
    ListViewPeer(DialogPage& page, CListCtrl& control);

    void Flush() override;

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    void HoldBack();
    void ShowColumns();
    ColumnFit::Column Measure(int column) const;
    static bool IsWholeNumber(const CString& text);
    void ShowSelection();
    void ShowStyle();
    bool Key(QKeyEvent* event);
    void MoveHighlight(int key);
    void TapHighlighted();

    ListViewModel* m_model;
    bool m_stale = false;       // rows or columns changed since the last reload
    bool m_newColumns = false;  // columns replaced since the last reload
    bool m_flushQueued = false;
    bool m_pressedOnRows = false;  // the press of a tap landed on the rows' area
};
