#pragma once
// An owner-drawn button. It shows an image once the program has attached a
// bitmap button to the control and loaded its bitmaps; it then takes the
// size of its normal image.

#include "platform/qt/QtControlPeer.h"

class BitmapButtonWidget;

class BitmapButtonPeer : public QtControlPeer {
public:
    BitmapButtonPeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    // Enter presses the button, as Space does.
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    BitmapButtonWidget* m_pButton;
};
