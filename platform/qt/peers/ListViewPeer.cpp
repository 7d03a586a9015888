#include "platform/qt/peers/ListViewPeer.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/screen/QtWindowSystem.h"
#include "platform/qt/widgets/ListViewModel.h"
#include "platform/qt/widgets/QtText.h"

ListViewPeer::ListViewPeer(DialogPage& page, CListCtrl& control)
    : ControlPeerOf(page, control, new DeviceListView(&page)), m_model(new ListViewModel(control, this)) {
    DeviceListView* view = Widget();
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTextElideMode(Qt::ElideRight);
    view->setFrameShape(control.HasStyle(ControlStyle::Border) ? QFrame::Box : QFrame::NoFrame);
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setMinimumSectionSize(0);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->setModel(m_model);
    TakeWidget();
}

void ListViewPeer::ShowState() {
    m_model->SetList(Control());
    m_stale = false;
    ShowColumns();
    ShowStyle();
    ShowSelection();
}

void ListViewPeer::Show(ControlChange change, int row, int column) {
    switch (change) {
    case ControlChange::Columns:
        m_newColumns = true;
        m_stale = true;
        HoldBack();
        break;
    case ControlChange::Rows:
    case ControlChange::RowInserted:
        m_stale = true;
        HoldBack();
        break;
    case ControlChange::Cell:
        if (!m_stale) m_model->CellChanged(row, column);
        break;
    case ControlChange::Selection:
        if (m_stale) HoldBack();
        else ShowSelection();
        break;
    case ControlChange::Style: ShowStyle(); break;
    case ControlChange::Repaint: Flush(); break;
    default: break;
    }
}

void ListViewPeer::HoldBack() {
    // Changes outside the person's actions (while a dialog initialises, or
    // under a message box) show at the next turn of the event loop.
    if (m_flushQueued) return;
    m_flushQueued = true;
    QTimer::singleShot(0, this, [this] { Flush(); });
}

void ListViewPeer::Flush() {
    m_flushQueued = false;
    if (!m_stale) return;
    m_stale = false;
    Page().Owner().ApplyChange([this] {
        m_model->Reload();
        ShowColumns();
        ShowSelection();
        // Other columns are another table: it starts at its left edge.
        if (m_newColumns) Widget()->horizontalScrollBar()->setValue(0);
        m_newColumns = false;
    });
}

void ListViewPeer::ShowColumns() {
    const CListCtrl& list = Control();
    QHeaderView* header = Widget()->header();
    int count = std::min(list.GetColumnCount(), header->count());
    std::vector<ColumnFit::Column> columns;
    for (int column = 0; column < count; ++column) columns.push_back(Measure(column));
    std::vector<int> widths = ColumnFit::Widths(columns, Widget()->viewport()->width());
    for (int column = 0; column < count; ++column) {
        // A hidden section has no handle: it cannot be dragged open.
        header->setSectionHidden(column, widths[column] == 0);
        if (widths[column] > 0) header->resizeSection(column, widths[column]);
        header->setSectionResizeMode(column, widths[column] > 0 ? QHeaderView::Interactive : QHeaderView::Fixed);
    }
}

ColumnFit::Column ListViewPeer::Measure(int column) const {
    const CListCtrl& list = Control();
    ColumnFit::Column measured;
    measured.asked = list.Column(column).width;
    if (measured.asked <= 0) return measured;
    // A column is one of numbers when every cell that holds something holds
    // a whole number. Their digits are all as wide, so the longest text is
    // the widest.
    CString longest;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        CString text = list.GetItemText(row, column);
        if (!IsWholeNumber(text)) return measured;
        if (text.GetLength() > longest.GetLength()) longest = text;
    }
    if (longest.IsEmpty()) return measured;
    const DeviceListView* view = Widget();
    // The item view keeps a margin on each side of a cell's text.
    int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    measured.number = true;
    // Its title stays readable too, with the blanks that place it: a column
    // of numbers gives back only the room that neither needs.
    const CString& title = list.Column(column).title;
    int cells = view->fontMetrics().horizontalAdvance(QtText::ToQString(longest));
    int heading = view->header()->fontMetrics().horizontalAdvance(QtText::ToQString(title));
    measured.needed = std::max(cells, heading) + 2 * margin + 1;
    return measured;
}

bool ListViewPeer::IsWholeNumber(const CString& text) {
    int start = text.GetLength() > 0 && text[0] == u'-' ? 1 : 0;
    for (int i = start; i < text.GetLength(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return false;
    }
    return text.GetLength() == 0 || text.GetLength() > start;
}

void ListViewPeer::ShowSelection() {
    int row = Control().GetSelectionMark();
    QItemSelectionModel* selection = Widget()->selectionModel();
    if (row < 0 || row >= m_model->rowCount()) {
        selection->clear();
        return;
    }
    QModelIndex index = m_model->index(row, 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListViewPeer::ShowStyle() {
    bool fullRow = (Control().GetExtendedStyle() & LVS_EX_FULLROWSELECT) != 0;
    Widget()->setSelectionBehavior(fullRow ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    Widget()->setAllColumnsShowFocus(fullRow);
}

bool ListViewPeer::FilterInput(QWidget* target, QEvent* event) {
    // The list's own selection and keyboard moves are not taken: the device
    // reports taps, and the selection shown is the one the framework keeps.
    if (target == Widget()->viewport()) {
        switch (event->type()) {
        case QEvent::Resize:
            // A vertical scroll bar came or went: the columns fit again.
            ShowColumns();
            return false;
        case QEvent::MouseButtonPress:
            m_pressedOnRows = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return true;
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;
        case QEvent::MouseButtonRelease: {
            if (!m_pressedOnRows) return true;
            m_pressedOnRows = false;
            Flush();
            QModelIndex index = Widget()->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            int row = index.isValid() ? index.row() : -1;
            Deliver([this, row] { DialogInput::TapRow(Dialog(), Id(), row); });
            return true;
        }
        default:
            break;
        }
    }
    if (event->type() == QEvent::KeyPress) return Key(static_cast<QKeyEvent*>(event));
    return false;
}

bool ListViewPeer::Key(QKeyEvent* event) {
    // The keys move a highlight of their own (Qt's current row, framed); the
    // selection stays the framework's, the row the program last heard of, so
    // that a save never acts on a row the person only passed over. Space or
    // Enter taps the highlighted row, with the notification of a tap.
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return false;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: TapHighlighted(); return true;
    default: MoveHighlight(event->key()); return true;
    }
}

void ListViewPeer::MoveHighlight(int key) {
    Flush();
    int rows = m_model->rowCount();
    if (rows == 0) return;
    QModelIndex current = Widget()->currentIndex();
    int row = current.isValid() ? current.row() : -1;
    int rowHeight = std::max(1, Widget()->sizeHintForRow(0));
    int page = std::max(1, Widget()->viewport()->height() / rowHeight - 1);
    switch (key) {
    case Qt::Key_Up: row = row < 0 ? 0 : row - 1; break;
    case Qt::Key_Down: row = row + 1; break;
    case Qt::Key_PageUp: row = row < 0 ? 0 : row - page; break;
    case Qt::Key_PageDown: row = row < 0 ? page : row + page; break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = rows - 1; break;
    default: return;
    }
    QModelIndex target = m_model->index(std::clamp(row, 0, rows - 1), 0);
    Widget()->selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    Widget()->scrollTo(target);
    // The frame leaves the row it was on too; Qt repaints only the cell.
    Widget()->viewport()->update();

}

void ListViewPeer::TapHighlighted() {
    Flush();
    QModelIndex current = Widget()->currentIndex();
    if (!current.isValid()) return;
    int row = current.row();
    Deliver([this, row] { DialogInput::TapRow(Dialog(), Id(), row); });
}
