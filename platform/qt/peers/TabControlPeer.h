#pragma once
// A tab control: a row of tabs over a framed pane. The controls of each tab
// are the dialog's own, lying over the pane; the program shows and hides
// them. Only the person's tap on another tab (or the arrow keys) changes the
// selection, through the framework.

#include <QTabWidget>

#include "platform/framework/CTabCtrl.h"
#include "platform/qt/peers/ControlPeerOf.h"

class TabControlPeer : public ControlPeerOf<CTabCtrl, QTabWidget> {
public:
    TabControlPeer(DialogPage& page, CTabCtrl& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    void ShowTabs();
    void ShowSelection();
    void Select(int tab);
};
