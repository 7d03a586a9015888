#include "platform/qt/peers/PicturePeer.h"

#include <QEvent>
#include <QPixmap>

#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/QtBitmap.h"

PicturePeer::PicturePeer(DialogPage& page, CStatic& control) : ControlPeerOf(page, control, new QLabel(&page)) {
    Widget()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TakeWidget();
}

void PicturePeer::ShowState() {
    const CBitmap& bitmap = Control().Image();
    if (!bitmap.IsLoaded()) {
        Widget()->clear();
        m_shownZoom = 0;
        return;
    }
    m_shownZoom = QtBitmap::ZoomOf(Widget());
    Widget()->setPixmap(QtBitmap::ToPixmap(bitmap, m_shownZoom));
    Widget()->resize(bitmap.Width(), bitmap.Height());
}

bool PicturePeer::FilterInput(QWidget* target, QEvent* event) {
    // A change of zoom only repaints: the picture for the new one is drawn
    // when it is first painted at it.
    if (target == Widget() && event->type() == QEvent::Paint && m_shownZoom != 0 &&
        m_shownZoom != QtBitmap::ZoomOf(Widget())) {
        ShowState();
    }
    return false;
}

void PicturePeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Image || change == ControlChange::Repaint) ShowState();
}
