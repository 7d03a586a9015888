#include "platform/qt/peers/CheckBoxPeer.h"

#include <QSignalBlocker>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/QtText.h"

CheckBoxPeer::CheckBoxPeer(DialogPage& page, CButton& control)
    : ControlPeerOf(page, control, new QCheckBox(&page)) {
    connect(Widget(), &QCheckBox::clicked, this, [this] {
        Deliver([this] { DialogInput::ClickButton(Dialog(), Id()); });
        // Qt has flipped the box already; the framework's state is the one.
        QSignalBlocker blocker(Widget());
        ShowCheck();
    });
    TakeWidget();
}

void CheckBoxPeer::ShowState() {
    Widget()->setText(QtText::ToQString(Control().WindowText()));
    ShowCheck();
}

void CheckBoxPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Text || change == ControlChange::Check) ShowState();
}

void CheckBoxPeer::ShowCheck() {
    Widget()->setChecked(Control().GetCheck() == BST_CHECKED);
}
