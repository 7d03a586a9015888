#pragma once
// A drop-down combo box: an edit field over the framework's entries, in the
// framework's order (the sorted style sorts there).

#include "platform/framework/CComboBox.h"
#include "platform/qt/peers/ControlPeerOf.h"
#include "platform/qt/widgets/DeviceComboBox.h"

class ComboBoxPeer : public ControlPeerOf<CComboBox, DeviceComboBox> {
public:
    ComboBoxPeer(DialogPage& page, CComboBox& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;
    void ShowHeldBackText() override;

private:
    void Typed(const QString& text);
    void Picked(int index);
    void ShowEntries();
    void ShowField();
};
