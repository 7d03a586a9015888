#include "platform/qt/peers/QtControlPeer.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/screen/QtWindowSystem.h"
#include "platform/qt/widgets/ComposingText.h"
#include "platform/qt/widgets/DeviceMetrics.h"

QtControlPeer::QtControlPeer(DialogPage& page) : QObject(&page), m_page(page) {}

void QtControlPeer::TakeWidget() {
    QWidget* widget = Widget();
    widget->setObjectName(QStringLiteral("control-%1").arg(Id()));
    widget->setGeometry(DeviceMetrics::Rect(*Control().Template()));
    // Every control that takes the focus takes it when tapped and is reached
    // by Tab: without a stylus the keyboard is the only way to a push button
    // or a check box, which the templates leave out of their tab stops.
    Qt::FocusPolicy policy = Control().TakesFocus() ? Qt::StrongFocus : Qt::NoFocus;
    widget->setFocusPolicy(policy);
    widget->installEventFilter(this);
    for (QWidget* part : widget->findChildren<QWidget*>()) {
        if (part->focusPolicy() != Qt::NoFocus) part->setFocusPolicy(policy);
        part->installEventFilter(this);
    }
}

void QtControlPeer::StopWatching() {
    Widget()->removeEventFilter(this);
    for (QWidget* part : Widget()->findChildren<QWidget*>()) part->removeEventFilter(this);
}

void QtControlPeer::OnControlChanged(ControlChange change, int row, int column) {
    m_page.Owner().ApplyChange([&] {
        QSignalBlocker blocker(Widget());
        if (change == ControlChange::Visibility) Widget()->setVisible(Control().IsWindowVisible());
        else Show(change, row, column);
    });
}

void QtControlPeer::ShowAll() {
    m_page.Owner().ApplyChange([&] {
        QSignalBlocker blocker(Widget());
        Widget()->setVisible(Control().IsWindowVisible());
        ShowState();
    });
}

bool QtControlPeer::IsApplicationWindow() const {
    return QtWindowSystem::IsApplicationWindow(Dialog());
}

CDialog& QtControlPeer::Dialog() const {
    return m_page.Dialog();
}

int QtControlPeer::Id() const {
    return Control().GetDlgCtrlID();
}

bool QtControlPeer::IsEnterPress(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return !key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
}

void QtControlPeer::Deliver(const std::function<void()>& action) {
    ++m_delivering;
    m_page.Owner().Deliver(action);
    --m_delivering;
}

bool QtControlPeer::TapTakesFocus() {
    if (!Control().TakesFocus()) return true;
    QtWindowSystem& owner = m_page.Owner();
    int before = owner.Interruptions();
    Deliver([this] { DialogInput::MoveFocus(Dialog(), Id()); });
    if (Dialog().HasEnded()) return false;
    ShowHeldBackText();
    return owner.Interruptions() == before && Control().IsWindowVisible();
}

void QtControlPeer::FocusArrived(Qt::FocusReason reason) {
    // Taps move the focus on the press itself; what remains of the person's
    // own moves is the Tab key. Focus that comes back with the window, a
    // closed popup or a change of the window system's own is no move.
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return;
    if (m_page.Owner().IsApplyingChange()) return;
    Deliver([this] { DialogInput::MoveFocus(Dialog(), Id()); });
    if (!Dialog().HasEnded()) ShowHeldBackText();
}

bool QtControlPeer::eventFilter(QObject* watched, QEvent* event) {
    auto* target = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::InputMethod:
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            ComposingText::Composing(edit, static_cast<QInputMethodEvent*>(event)->preeditString());
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        ComposingText::CommitPending();
        if (!TapTakesFocus()) return true;
        break;
    case QEvent::FocusIn:
        FocusArrived(static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::KeyPress:
        ComposingText::CommitPending();
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            // Escape in an open list (a combo box's drop-down, a popup
            // window of its own) closes the list only; Qt does that.
            if (target->window()->windowType() == Qt::Popup || QApplication::activePopupWidget()) return false;
            // Escape closes a function; on the application's own window
            // (the main menu) it ends nothing: the program ends by its exit
            // button, the caption OK button or the window's close.
            if (!IsApplicationWindow()) Deliver([this] { DialogInput::Close(Dialog()); });
            return true;
        }
        break;
    default:
        break;
    }
    return FilterInput(target, event);
}

bool QtControlPeer::FilterInput(QWidget*, QEvent*) {
    return false;
}
