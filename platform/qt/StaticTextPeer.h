#pragma once
// A static text, left, centred or right, wrapped and from the top as the
// device draws it.

#include "platform/qt/QtControlPeer.h"

class QLabel;

class StaticTextPeer : public QtControlPeer {
public:
    StaticTextPeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;

private:
    QLabel* m_pLabel;
};
