#pragma once
// A static picture: its bitmap at the bitmap's own size, whatever the
// template's rectangle says.

#include "platform/qt/QtControlPeer.h"

class QLabel;

class PicturePeer : public QtControlPeer {
public:
    PicturePeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;

private:
    QLabel* m_pLabel;
};
