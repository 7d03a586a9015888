#include "platform/qt/screen/DialogPage.h"

#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>

#include "platform/framework/CDialog.h"
#include "platform/qt/peers/BitmapButtonPeer.h"
#include "platform/qt/peers/CheckBoxPeer.h"
#include "platform/qt/peers/ComboBoxPeer.h"
#include "platform/qt/peers/EditPeer.h"
#include "platform/qt/peers/ListViewPeer.h"
#include "platform/qt/peers/MonthCalendarPeer.h"
#include "platform/qt/peers/PicturePeer.h"
#include "platform/qt/peers/PushButtonPeer.h"
#include "platform/qt/peers/StaticTextPeer.h"
#include "platform/qt/peers/TabControlPeer.h"
#include "platform/qt/screen/QtWindowSystem.h"

namespace {

// The peer of a control, given the control as the class the dialog made it
// with for its kind.
template <typename TPeer>
QtControlPeer* MakePeer(DialogPage& page, CWnd& control) {
    return new TPeer(page, TPeer::AsControl(control));
}

} // namespace

DialogPage::DialogPage(QtWindowSystem& owner, CDialog& dialog, QWidget* parent)
    : QWidget(parent), m_owner(owner), m_dialog(dialog) {
    setObjectName(QStringLiteral("dialog-%1").arg(dialog.TemplateId()));
    setGeometry(parent->rect());
    // Dialogs on the device are white, whatever the desktop's colours.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    for (CWnd* control : dialog.Controls()) AddPeer(*control);
    StackInTemplateOrder();
}

DialogPage::~DialogPage() {
    for (QtControlPeer* peer : m_peers) {
        peer->StopWatching();
        peer->Control().SetPeer(nullptr);
    }
}

void DialogPage::AddPeer(CWnd& control) {
    QtControlPeer* peer = nullptr;
    switch (control.Kind()) {
    case ControlKind::Edit: peer = MakePeer<EditPeer>(*this, control); break;
    case ControlKind::Button:
        if (control.HasStyle(ControlStyle::OwnerDraw)) peer = MakePeer<BitmapButtonPeer>(*this, control);
        else peer = MakePeer<PushButtonPeer>(*this, control);
        break;
    case ControlKind::CheckBox: peer = MakePeer<CheckBoxPeer>(*this, control); break;
    case ControlKind::Static: peer = MakePeer<StaticTextPeer>(*this, control); break;
    case ControlKind::Picture: peer = MakePeer<PicturePeer>(*this, control); break;
    case ControlKind::ComboBox: peer = MakePeer<ComboBoxPeer>(*this, control); break;
    case ControlKind::ListView: peer = MakePeer<ListViewPeer>(*this, control); break;
    case ControlKind::Tab: peer = MakePeer<TabControlPeer>(*this, control); break;
    case ControlKind::MonthCal: peer = MakePeer<MonthCalendarPeer>(*this, control); break;
    }
    control.SetPeer(peer);
    peer->ShowAll();
    m_peers.push_back(peer);
}

void DialogPage::StackInTemplateOrder() {
    // The first control of a template lies on top and the last one beneath
    // (the main menu's background picture); Tab goes through them in order.
    QWidget* previous = nullptr;
    for (QtControlPeer* peer : m_peers) {
        peer->Widget()->lower();
        QWidget* focus = peer->FocusWidget();
        if (focus->focusPolicy() & Qt::TabFocus) {
            if (previous) setTabOrder(previous, focus);
            previous = focus;
        }
    }
}

QWidget* DialogPage::ControlWidget(int nID) const {
    for (QtControlPeer* peer : m_peers) {
        if (peer->Control().GetDlgCtrlID() == nID) return peer->Widget();
    }
    return nullptr;
}

void DialogPage::TakeFocusToCorrect(int nID) {
    for (QtControlPeer* peer : m_peers) {
        CWnd& control = peer->Control();
        if (control.GetDlgCtrlID() != nID || !control.IsWindowVisible() || !control.TakesFocus()) continue;
        // The handler that refused the text runs on: the field it points at
        // holds the focus from here, as if tapped (the button left has no
        // focus-loss handler to run).
        m_dialog.MoveFocus(&control);
        QWidget* widget = peer->FocusWidget();
        m_owner.ApplyChange([&] { widget->setFocus(Qt::OtherFocusReason); });
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) edit = combo->lineEdit();
        if (edit) edit->selectAll();
        return;
    }
}

void DialogPage::Refresh(bool isTop) {
    for (QtControlPeer* peer : m_peers) peer->Flush();
    if (isTop) SyncFocus();
}

void DialogPage::SyncFocus() {
    CWnd* focused = m_dialog.FocusedControl();
    for (QtControlPeer* peer : m_peers) {
        if (&peer->Control() != focused) continue;
        QWidget* widget = peer->FocusWidget();
        if (widget->isVisible() && !widget->hasFocus()) {
            m_owner.ApplyChange([&] { widget->setFocus(Qt::OtherFocusReason); });
        }
        return;
    }
}

void DialogPage::EndLoopIfEnded() {
    if (m_loop && m_dialog.HasEnded()) m_loop->exit();
}
