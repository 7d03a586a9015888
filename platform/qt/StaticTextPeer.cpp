#include "platform/qt/StaticTextPeer.h"

#include <QLabel>

#include "platform/qt/DialogPage.h"
#include "platform/qt/QtText.h"

StaticTextPeer::StaticTextPeer(DialogPage& page, CWnd& control)
    : QtControlPeer(page, control), m_pLabel(new QLabel(&page)) {
    m_pLabel->setTextFormat(Qt::PlainText);
    m_pLabel->setWordWrap(true);
    Qt::Alignment horizontal = control.HasStyle(ControlStyle::Right)    ? Qt::AlignRight
                               : control.HasStyle(ControlStyle::Center) ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
    m_pLabel->setAlignment(horizontal | Qt::AlignTop);
    SetWidget(m_pLabel);
}

void StaticTextPeer::ShowState() {
    m_pLabel->setText(QtText::ToQString(Control().WindowText()));
}

void StaticTextPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Text) ShowState();
}
