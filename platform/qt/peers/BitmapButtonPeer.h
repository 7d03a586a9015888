#pragma once
// An owner-drawn button. It shows an image once the program has attached a
// bitmap button to the control and loaded its bitmaps; it then takes the
// size of its normal image.

#include "platform/framework/CButton.h"
#include "platform/qt/peers/ControlPeerOf.h"
#include "platform/qt/widgets/BitmapButtonWidget.h"

class BitmapButtonPeer : public ControlPeerOf<CButton, BitmapButtonWidget> {
public:
    BitmapButtonPeer(DialogPage& page, CButton& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    // Enter presses the button, as Space does.
    bool FilterInput(QWidget* target, QEvent* event) override;
};
