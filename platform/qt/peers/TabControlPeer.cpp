#include "platform/qt/peers/TabControlPeer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/QtText.h"

TabControlPeer::TabControlPeer(DialogPage& page, CTabCtrl& control)
    : ControlPeerOf(page, control, new QTabWidget(&page)) {
    // Tabs that do not all fit are scrolled with arrows, as on the device;
    // a label is never shortened.
    QTabWidget* tabs = Widget();
    tabs->setUsesScrollButtons(true);
    tabs->setElideMode(Qt::ElideNone);
    tabs->tabBar()->setExpanding(false);
    TakeWidget();
}

void TabControlPeer::ShowState() {
    ShowTabs();
}

void TabControlPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Items) ShowTabs();
    else if (change == ControlChange::Selection) ShowSelection();
}

void TabControlPeer::ShowTabs() {
    QTabWidget* tabs = Widget();
    while (tabs->count() > 0) {
        QWidget* pane = tabs->widget(0);
        tabs->removeTab(0);
        delete pane;
    }
    for (int i = 0; i < Control().GetItemCount(); ++i) {
        // Empty panes: the pane's controls are the dialog's, above this one.
        tabs->addTab(new QWidget, QtText::ToQString(Control().GetItemText(i)));
    }
    ShowSelection();
}

void TabControlPeer::ShowSelection() {
    int selected = Control().GetCurSel();
    if (selected >= 0 && selected < Widget()->count()) Widget()->setCurrentIndex(selected);
}

void TabControlPeer::Select(int tab) {
    Deliver([this, tab] { DialogInput::SelectTab(Dialog(), Id(), tab); });
    Widget()->blockSignals(true);
    ShowSelection();
    Widget()->blockSignals(false);
}

bool TabControlPeer::FilterInput(QWidget* target, QEvent* event) {
    QTabBar* bar = Widget()->tabBar();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (target == bar && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            int tab = bar->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (tab >= 0) Select(tab);
            return true;
        }
        return false;
    case QEvent::Wheel:
        return true;
    case QEvent::KeyPress: {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
        int current = Control().GetCurSel();
        if (key == Qt::Key_Left && current > 0) Select(current - 1);
        if (key == Qt::Key_Right && current >= 0 && current + 1 < Widget()->count()) Select(current + 1);
        return true;
    }
    default:
        return false;
    }
}
