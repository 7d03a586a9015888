#include "platform/qt/peers/StaticTextPeer.h"

#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/QtText.h"

StaticTextPeer::StaticTextPeer(DialogPage& page, CStatic& control) : ControlPeerOf(page, control, new QLabel(&page)) {
    QLabel* label = Widget();
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    Qt::Alignment horizontal = control.HasStyle(ControlStyle::Right)    ? Qt::AlignRight
                               : control.HasStyle(ControlStyle::Center) ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    TakeWidget();
}

void StaticTextPeer::ShowState() {
    Widget()->setText(QtText::ToQString(Control().WindowText()));
}

void StaticTextPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Text) ShowState();
}
