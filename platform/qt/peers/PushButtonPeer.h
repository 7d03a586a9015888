#pragma once
// A push button with its caption; Space or Enter presses it.

#include <QPushButton>

#include "platform/framework/CButton.h"
#include "platform/qt/peers/ControlPeerOf.h"

class PushButtonPeer : public ControlPeerOf<CButton, QPushButton> {
public:
    PushButtonPeer(DialogPage& page, CButton& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;
};
