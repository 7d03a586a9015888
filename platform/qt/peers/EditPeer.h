#pragma once
// An edit field. The multi-line style shows as one line, as the device's
// small fields do. A number field (editable, its text at the right) is
// entered with its whole text selected, so that what is typed replaces it.

#include <QLineEdit>

#include "platform/framework/CEdit.h"
#include "platform/qt/peers/ControlPeerOf.h"

class EditPeer : public ControlPeerOf<CEdit, QLineEdit> {
public:
    EditPeer(DialogPage& page, CEdit& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    bool FilterInput(QWidget* target, QEvent* event) override;
    void ShowHeldBackText() override { ShowText(); }

private:
    bool IsNumberField() const;
    bool EnteringTap(QEvent* event);
    void Typed(const QString& text);
    void ShowText();

    bool m_tapEntering = false;  // the focus came with the press of a tap
};
