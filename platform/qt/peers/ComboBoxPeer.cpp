#include "platform/qt/peers/ComboBoxPeer.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/DeviceMetrics.h"
#include "platform/qt/widgets/QtText.h"

ComboBoxPeer::ComboBoxPeer(DialogPage& page, CComboBox& control)
    : ControlPeerOf(page, control, new DeviceComboBox(&page)) {
    DeviceComboBox* combo = Widget();
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { Typed(text); });
    combo->OnPicked([this](int index) { Picked(index); });
    TakeWidget();

    // The template's height is the field and its open list together.
    const ControlTemplate& entry = *control.Template();
    int fieldHeight = DeviceMetrics::Pixels(DeviceMetrics::kComboFieldUnits);
    combo->resize(combo->width(), fieldHeight);
    int listHeight = DeviceMetrics::Pixels(entry.height) - fieldHeight;
    int rowHeight = QFontMetrics(combo->font()).height() + 2 + DeviceMetrics::kDropDownRowRoom;
    combo->setMaxVisibleItems(std::max(1, listHeight / rowHeight));
}

void ComboBoxPeer::ShowState() {
    ShowEntries();
}

void ComboBoxPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Items) ShowEntries();
    else if ((change == ControlChange::Text || change == ControlChange::Selection) && !IsDelivering()) ShowField();
}

void ComboBoxPeer::ShowHeldBackText() {
    // Only a text the program changed: the field's list state stays as the
    // person left it otherwise.
    if (Widget()->lineEdit()->text() != QtText::ToQString(Control().WindowText())) ShowField();
}

void ComboBoxPeer::Typed(const QString& text) {
    Deliver([&] { DialogInput::TypeText(Dialog(), Id(), QtText::FromQString(text)); });
    ShowField();
}

void ComboBoxPeer::Picked(int index) {
    Deliver([&] { DialogInput::ChooseEntry(Dialog(), Id(), index); });
    ShowField();
    // Qt leaves the cursor after the picked text, and a text wider than the
    // field then shows its end only.
    Widget()->lineEdit()->setCursorPosition(0);
}

void ComboBoxPeer::ShowEntries() {
    QStringList entries;
    for (const CString& entry : Control().Entries()) entries.push_back(QtText::ToQString(entry));
    Widget()->clear();
    Widget()->addItems(entries);
    ShowField();
}

void ComboBoxPeer::ShowField() {
    DeviceComboBox* combo = Widget();
    QLineEdit* edit = combo->lineEdit();
    QString text = QtText::ToQString(Control().WindowText());
    // When only the selection changes under a typed text, the cursor stays.
    bool sameText = edit->text() == text;
    int cursor = edit->cursorPosition();
    int selected = Control().GetCurSel();
    if (combo->currentIndex() != selected) combo->setCurrentIndex(selected);
    if (edit->text() != text) edit->setText(text);
    // A text the program sets shows from its start, as on the device.
    edit->setCursorPosition(sameText ? cursor : 0);
}
