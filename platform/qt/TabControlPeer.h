#pragma once
// A tab control: a row of tabs over a framed pane. The controls of each tab
// are the dialog's own, lying over the pane; the program shows and hides
// them. Only the person's tap on another tab (or the arrow keys) changes the
// selection, through the framework.

#include "platform/qt/QtControlPeer.h"

class QTabWidget;

class TabControlPeer : public QtControlPeer {
public:
    TabControlPeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    void ShowTabs();
    void ShowSelection();
    void Select(int tab);

    QTabWidget* m_pTabs;
};
