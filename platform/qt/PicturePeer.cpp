#include "platform/qt/PicturePeer.h"

#include <QLabel>
#include <QPixmap>

#include "platform/framework/CStatic.h"
#include "platform/qt/DialogPage.h"
#include "platform/qt/QtBitmap.h"

PicturePeer::PicturePeer(DialogPage& page, CWnd& control) : QtControlPeer(page, control), m_pLabel(new QLabel(&page)) {
    m_pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetWidget(m_pLabel);
}

void PicturePeer::ShowState() {
    auto* picture = dynamic_cast<CStatic*>(&Control());
    QImage image = picture ? QtBitmap::ToImage(picture->Image()) : QImage();
    if (image.isNull()) {
        m_pLabel->clear();
        return;
    }
    m_pLabel->setPixmap(QPixmap::fromImage(image));
    m_pLabel->resize(image.size());
}

void PicturePeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Image || change == ControlChange::Repaint) ShowState();
}
