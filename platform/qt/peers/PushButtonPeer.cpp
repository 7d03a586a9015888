#include "platform/qt/peers/PushButtonPeer.h"

#include <QKeyEvent>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/QtText.h"

PushButtonPeer::PushButtonPeer(DialogPage& page, CButton& control)
    : ControlPeerOf(page, control, new QPushButton(&page)) {
    Widget()->setAutoDefault(false);
    connect(Widget(), &QPushButton::clicked, this, [this] {
        Deliver([this] { DialogInput::ClickButton(Dialog(), Id()); });
    });
    TakeWidget();
}

bool PushButtonPeer::FilterInput(QWidget*, QEvent* event) {
    // Space presses a focused button (Qt's own); Enter does the same, as on
    // the device, where no button of these dialogs is the default one.
    if (!IsEnterPress(event)) return false;
    Widget()->click();
    return true;
}

void PushButtonPeer::ShowState() {
    Widget()->setText(QtText::ToQString(Control().WindowText()));
}

void PushButtonPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Text) ShowState();
}
