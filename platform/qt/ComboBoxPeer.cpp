#include "platform/qt/ComboBoxPeer.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/DeviceComboBox.h"
#include "platform/qt/DeviceMetrics.h"
#include "platform/qt/DialogPage.h"
#include "platform/qt/QtText.h"

ComboBoxPeer::ComboBoxPeer(DialogPage& page, CWnd& control)
    : QtControlPeer(page, control), m_pCombo(new DeviceComboBox(&page)) {
    connect(m_pCombo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { Typed(text); });
    m_pCombo->OnPicked([this](int index) { Picked(index); });
    SetWidget(m_pCombo);

    // The template's height is the field and its open list together.
    const ControlTemplate& entry = *control.Template();
    int fieldHeight = DeviceMetrics::Pixels(DeviceMetrics::kComboFieldUnits);
    m_pCombo->resize(m_pCombo->width(), fieldHeight);
    int listHeight = DeviceMetrics::Pixels(entry.height) - fieldHeight;
    int rowHeight = QFontMetrics(m_pCombo->font()).height() + 2 + DeviceMetrics::kDropDownRowRoom;
    m_pCombo->setMaxVisibleItems(std::max(1, listHeight / rowHeight));
}

QWidget* ComboBoxPeer::FocusWidget() const {
    return m_pCombo;
}

void ComboBoxPeer::ShowState() {
    ShowEntries();
}

void ComboBoxPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Items) ShowEntries();
    else if ((change == ControlChange::Text || change == ControlChange::Selection) && !IsDelivering()) ShowField();
}

void ComboBoxPeer::Typed(const QString& text) {
    Deliver([&] { DialogInput::TypeText(Dialog(), Id(), QtText::FromQString(text)); });
    ShowField();
}

void ComboBoxPeer::Picked(int index) {
    Deliver([&] { DialogInput::ChooseEntry(Dialog(), Id(), index); });
    ShowField();
}

void ComboBoxPeer::ShowEntries() {
    auto* combo = dynamic_cast<CComboBox*>(&Control());
    QStringList entries;
    if (combo) {
        for (const CString& entry : combo->Entries()) entries.push_back(QtText::ToQString(entry));
    }
    m_pCombo->clear();
    m_pCombo->addItems(entries);
    ShowField();
}

void ComboBoxPeer::ShowField() {
    auto* combo = dynamic_cast<CComboBox*>(&Control());
    QLineEdit* edit = m_pCombo->lineEdit();
    QString text = QtText::ToQString(Control().WindowText());
    // When only the selection changes under a typed text, the cursor stays.
    bool sameText = edit->text() == text;
    int cursor = edit->cursorPosition();
    int selected = combo ? combo->GetCurSel() : -1;
    if (m_pCombo->currentIndex() != selected) m_pCombo->setCurrentIndex(selected);
    if (edit->text() != text) edit->setText(text);
    if (sameText) edit->setCursorPosition(cursor);
}
