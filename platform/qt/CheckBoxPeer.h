#pragma once
// A check box. The framework decides the check state (an automatic check box
// flips itself when tapped); the widget only shows it.

#include "platform/qt/QtControlPeer.h"

class QCheckBox;

class CheckBoxPeer : public QtControlPeer {
public:
    CheckBoxPeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;

private:
    void ShowCheck();

    QCheckBox* m_pCheckBox;
};
