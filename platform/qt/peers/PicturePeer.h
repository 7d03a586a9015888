#pragma once
// A static picture: its bitmap at the bitmap's own size, whatever the
// template's rectangle says, drawn again for each zoom (QtBitmap::ToPixmap).

#include <QLabel>

#include "platform/framework/CStatic.h"
#include "platform/qt/peers/ControlPeerOf.h"

class PicturePeer : public ControlPeerOf<CStatic, QLabel> {
public:
    PicturePeer(DialogPage& page, CStatic& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    int m_shownZoom = 0;
};
