#include "platform/qt/CheckBoxPeer.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "platform/framework/CButton.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/DialogPage.h"
#include "platform/qt/QtText.h"

CheckBoxPeer::CheckBoxPeer(DialogPage& page, CWnd& control)
    : QtControlPeer(page, control), m_pCheckBox(new QCheckBox(&page)) {
    connect(m_pCheckBox, &QCheckBox::clicked, this, [this] {
        Deliver([this] { DialogInput::ClickButton(Dialog(), Id()); });
        // Qt has flipped the box already; the framework's state is the one.
        QSignalBlocker blocker(m_pCheckBox);
        ShowCheck();
    });
    SetWidget(m_pCheckBox);
}

void CheckBoxPeer::ShowState() {
    m_pCheckBox->setText(QtText::ToQString(Control().WindowText()));
    ShowCheck();
}

void CheckBoxPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Text || change == ControlChange::Check) ShowState();
}

void CheckBoxPeer::ShowCheck() {
    auto* button = dynamic_cast<CButton*>(&Control());
    m_pCheckBox->setChecked(button && button->GetCheck() == BST_CHECKED);
}
