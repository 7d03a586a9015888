#include "platform/qt/PushButtonPeer.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/DialogPage.h"
#include "platform/qt/QtText.h"

PushButtonPeer::PushButtonPeer(DialogPage& page, CWnd& control)
    : QtControlPeer(page, control), m_pButton(new QPushButton(&page)) {
    m_pButton->setAutoDefault(false);
    connect(m_pButton, &QPushButton::clicked, this, [this] {
        Deliver([this] { DialogInput::ClickButton(Dialog(), Id()); });
    });
    SetWidget(m_pButton);
}

bool PushButtonPeer::FilterInput(QWidget*, QEvent* event) {
    // Space presses a focused button (Qt's own); Enter does the same, as on
    // the device, where no button of these dialogs is the default one.
    if (!IsEnterPress(event)) return false;
    m_pButton->click();
    return true;
}

void PushButtonPeer::ShowState() {
    m_pButton->setText(QtText::ToQString(Control().WindowText()));
}

void PushButtonPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Text) ShowState();
}
