#include "platform/qt/peers/BitmapButtonPeer.h"

#include "platform/framework/CBitmapButton.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"

BitmapButtonPeer::BitmapButtonPeer(DialogPage& page, CButton& control)
    : ControlPeerOf(page, control, new BitmapButtonWidget(&page)) {
    connect(Widget(), &BitmapButtonWidget::clicked, this, [this] {
        Deliver([this] { DialogInput::ClickButton(Dialog(), Id()); });
    });
    TakeWidget();
}

bool BitmapButtonPeer::FilterInput(QWidget*, QEvent* event) {
    if (!IsEnterPress(event)) return false;
    Widget()->click();
    return true;
}

void BitmapButtonPeer::ShowState() {
    // The window is made before the program's OnInitDialog attaches its
    // bitmap button, and a program may never attach one: until then the
    // control is the dialog's own plain button, which has no image.
    auto* button = dynamic_cast<CBitmapButton*>(&Control());
    Widget()->SetButton(button);
    if (button && button->Width() > 0 && button->Height() > 0) Widget()->resize(button->Width(), button->Height());
}

void BitmapButtonPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Image || change == ControlChange::Repaint) ShowState();
}
