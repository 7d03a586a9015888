#pragma once
// An edit field. The multi-line style shows as one line, as the device's
// small fields do.

#include <QLineEdit>

#include "platform/framework/CEdit.h"
#include "platform/qt/ControlPeerOf.h"

class EditPeer : public ControlPeerOf<CEdit, QLineEdit> {
public:
    EditPeer(DialogPage& page, CEdit& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;

private:
    void Typed(const QString& text);
    void ShowText();
};
