#include "platform/qt/PicturePeer.h"

#include <QPixmap>

#include "platform/qt/DialogPage.h"
#include "platform/qt/QtBitmap.h"

PicturePeer::PicturePeer(DialogPage& page, CStatic& control) : ControlPeerOf(page, control, new QLabel(&page)) {
    Widget()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TakeWidget();
}

void PicturePeer::ShowState() {
    QImage image = QtBitmap::ToImage(Control().Image());
    if (image.isNull()) {
        Widget()->clear();
        return;
    }
    Widget()->setPixmap(QPixmap::fromImage(image));
    Widget()->resize(image.size());
}

void PicturePeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Image || change == ControlChange::Repaint) ShowState();
}
