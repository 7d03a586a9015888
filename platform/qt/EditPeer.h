#pragma once
// An edit field. The multi-line style shows as one line, as the device's
// small fields do.

#include "platform/qt/QtControlPeer.h"

class QLineEdit;

class EditPeer : public QtControlPeer {
public:
    EditPeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    void Typed(const QString& text);
    void ShowText();

    QLineEdit* m_pEdit;
};
