#include "platform/qt/peers/EditPeer.h"

#include <QFocusEvent>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/QtText.h"

EditPeer::EditPeer(DialogPage& page, CEdit& control) : ControlPeerOf(page, control, new QLineEdit(&page)) {
    QLineEdit* edit = Widget();
    edit->setFrame(control.HasStyle(ControlStyle::Border));
    edit->setReadOnly(control.HasStyle(ControlStyle::ReadOnly));
    Qt::Alignment horizontal = control.HasStyle(ControlStyle::Right)    ? Qt::AlignRight
                               : control.HasStyle(ControlStyle::Center) ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
    edit->setAlignment(horizontal | Qt::AlignVCenter);
    // Digits stand on the baseline with nothing below it, where Korean fills
    // the line: centred like Korean they look low. The number fields, the
    // right-aligned ones, lift them by a pixel.
    edit->setTextMargins(0, 0, 0, horizontal == Qt::AlignRight ? 2 : 0);
    // textEdited comes only from the person's typing, never from setText.
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { Typed(text); });
    TakeWidget();
}

void EditPeer::ShowState() {
    ShowText();
}

void EditPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Text && !IsDelivering()) ShowText();
}

bool EditPeer::FilterInput(QWidget*, QEvent* event) {
    if (!IsNumberField()) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        // Qt itself selects the whole text on Tab; a tap would place the
        // cursor inside the old number.
        m_tapEntering = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return EnteringTap(event);
    default:
        return false;
    }
}

bool EditPeer::IsNumberField() const {
    return Control().HasStyle(ControlStyle::Right) && !Control().HasStyle(ControlStyle::ReadOnly);
}

bool EditPeer::EnteringTap(QEvent* event) {
    // The tap that enters the field selects its text instead of placing the
    // cursor; the moves and release of that same tap would undo it.
    if (!m_tapEntering) return false;
    if (event->type() == QEvent::MouseButtonPress) Widget()->selectAll();
    if (event->type() == QEvent::MouseButtonRelease) m_tapEntering = false;
    return true;
}

void EditPeer::Typed(const QString& text) {
    Deliver([&] { DialogInput::TypeText(Dialog(), Id(), QtText::FromQString(text)); });
    // A focus-loss handler that ran first may have changed this field.
    ShowText();
}

void EditPeer::ShowText() {
    QString text = QtText::ToQString(Control().WindowText());
    if (Widget()->text() == text) return;
    Widget()->setText(text);
    // A text the program sets shows from its start, as on the device.
    Widget()->setCursorPosition(0);
}
