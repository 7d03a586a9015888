#include "platform/qt/DeviceMessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "platform/qt/QtText.h"

int DeviceMessageBox::Ask(QWidget* screen, const MessageBoxRequest& request) {
    QMessageBox box(screen);
    box.setObjectName(QStringLiteral("message-box"));
    box.setWindowTitle(QtText::ToQString(request.caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(QtText::ToQString(request.text));
    switch (request.type & MB_ICONMASK) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    // Closing the box without a button gives what the device gives: OK for
    // an OK box, otherwise No or Cancel, the answer that changes nothing.
    int closed = IDOK;
    switch (request.type & MB_TYPEMASK) {
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        closed = IDNO;
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        closed = IDCANCEL;
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return closed;
    }
}
