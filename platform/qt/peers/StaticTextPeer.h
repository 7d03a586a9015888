#pragma once
// A static text, left, centred or right, wrapped and from the top as the
// device draws it.

#include <QLabel>

#include "platform/framework/CStatic.h"
#include "platform/qt/peers/ControlPeerOf.h"

class StaticTextPeer : public ControlPeerOf<CStatic, QLabel> {
public:
    StaticTextPeer(DialogPage& page, CStatic& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
};
