#pragma once
// A push button with its caption; Space or Enter presses it.

#include "platform/qt/QtControlPeer.h"

class QPushButton;

class PushButtonPeer : public QtControlPeer {
public:
    PushButtonPeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    QPushButton* m_pButton;
};
