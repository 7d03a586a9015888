#pragma once
// A check box. The framework decides the check state (an automatic check box
// flips itself when tapped); the widget only shows it.

#include <QCheckBox>

#include "platform/framework/CButton.h"
#include "platform/qt/peers/ControlPeerOf.h"

class CheckBoxPeer : public ControlPeerOf<CButton, QCheckBox> {
public:
    CheckBoxPeer(DialogPage& page, CButton& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;

private:
    void ShowCheck();
};
