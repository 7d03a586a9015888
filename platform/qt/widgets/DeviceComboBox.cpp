#include "platform/qt/widgets/DeviceComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

DeviceComboBox::DeviceComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // The entries are the framework's; the field never adds to them nor
    // completes what is typed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    connect(this, &QComboBox::activated, this, [this](int index) {
        // Qt reports a pick with Enter both before and after it closes the
        // list: one pick, one report.
        if (!(m_listClosing || view()->isVisible()) || m_pickReported) return;
        m_listClosing = false;
        m_pickReported = true;
        if (m_picked) m_picked(index);
    });
}

void DeviceComboBox::showPopup() {
    m_pickReported = false;
    QComboBox::showPopup();
    // The list opens on the entry shown in the field: the selected one, or
    // the one whose text was typed, so that the keys start from there.
    int entry = currentIndex() >= 0 ? currentIndex() : findText(lineEdit()->text(), Qt::MatchExactly);
    if (entry >= 0) view()->setCurrentIndex(model()->index(entry, modelColumn()));
}

void DeviceComboBox::hidePopup() {
    // Qt may close a closed list again on the same pick (Enter in the list
    // does): only the closing of an open one goes with a pick.
    m_listClosing = view()->isVisible();
    QComboBox::hidePopup();
    QTimer::singleShot(0, this, [this] { m_listClosing = false; });
}

void DeviceComboBox::keyPressEvent(QKeyEvent* event) {
    bool opensList = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!opensList) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void DeviceComboBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}
