#include "platform/qt/BitmapButtonPeer.h"

#include "platform/framework/CBitmapButton.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/BitmapButtonWidget.h"
#include "platform/qt/DialogPage.h"

BitmapButtonPeer::BitmapButtonPeer(DialogPage& page, CWnd& control)
    : QtControlPeer(page, control), m_pButton(new BitmapButtonWidget(&page)) {
    connect(m_pButton, &BitmapButtonWidget::clicked, this, [this] {
        Deliver([this] { DialogInput::ClickButton(Dialog(), Id()); });
    });
    SetWidget(m_pButton);
}

bool BitmapButtonPeer::FilterInput(QWidget*, QEvent* event) {
    if (!IsEnterPress(event)) return false;
    m_pButton->click();
    return true;
}

void BitmapButtonPeer::ShowState() {
    auto* button = dynamic_cast<CBitmapButton*>(&Control());
    m_pButton->SetButton(button);
    if (button && button->Width() > 0 && button->Height() > 0) m_pButton->resize(button->Width(), button->Height());
}

void BitmapButtonPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Image || change == ControlChange::Repaint) ShowState();
}
