#include "platform/qt/TabControlPeer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

#include "platform/framework/CDialog.h"
#include "platform/framework/CTabCtrl.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/DialogPage.h"
#include "platform/qt/QtText.h"

TabControlPeer::TabControlPeer(DialogPage& page, CWnd& control)
    : QtControlPeer(page, control), m_pTabs(new QTabWidget(&page)) {
    // Tabs that do not all fit are scrolled with arrows, as on the device;
    // a label is never shortened.
    m_pTabs->setUsesScrollButtons(true);
    m_pTabs->setElideMode(Qt::ElideNone);
    m_pTabs->tabBar()->setExpanding(false);
    SetWidget(m_pTabs);
}

void TabControlPeer::ShowState() {
    ShowTabs();
}

void TabControlPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Items) ShowTabs();
    else if (change == ControlChange::Selection) ShowSelection();
}

void TabControlPeer::ShowTabs() {
    while (m_pTabs->count() > 0) {
        QWidget* pane = m_pTabs->widget(0);
        m_pTabs->removeTab(0);
        delete pane;
    }
    auto* tabs = dynamic_cast<CTabCtrl*>(&Control());
    for (int i = 0; tabs && i < tabs->GetItemCount(); ++i) {
        // Empty panes: the pane's controls are the dialog's, above this one.
        m_pTabs->addTab(new QWidget, QtText::ToQString(tabs->GetItemText(i)));
    }
    ShowSelection();
}

void TabControlPeer::ShowSelection() {
    auto* tabs = dynamic_cast<CTabCtrl*>(&Control());
    int selected = tabs ? tabs->GetCurSel() : -1;
    if (selected >= 0 && selected < m_pTabs->count()) m_pTabs->setCurrentIndex(selected);
}

void TabControlPeer::Select(int tab) {
    Deliver([this, tab] { DialogInput::SelectTab(Dialog(), Id(), tab); });
    m_pTabs->blockSignals(true);
    ShowSelection();
    m_pTabs->blockSignals(false);
}

bool TabControlPeer::FilterInput(QWidget* target, QEvent* event) {
    QTabBar* bar = m_pTabs->tabBar();
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
        auto* tabs = dynamic_cast<CTabCtrl*>(&Control());
        int current = tabs ? tabs->GetCurSel() : -1;
        if (key == Qt::Key_Left && current > 0) Select(current - 1);
        if (key == Qt::Key_Right && current >= 0 && current + 1 < m_pTabs->count()) Select(current + 1);
        return true;
    }
    default:
        return false;
    }
}
