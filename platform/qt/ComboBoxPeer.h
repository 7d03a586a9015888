#pragma once
// A drop-down combo box: an edit field over the framework's entries, in the
// framework's order (the sorted style sorts there).

#include "platform/qt/QtControlPeer.h"

class DeviceComboBox;

class ComboBoxPeer : public QtControlPeer {
public:
    ComboBoxPeer(DialogPage& page, CWnd& control);

    QWidget* FocusWidget() const override;

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;

private:
    void Typed(const QString& text);
    void Picked(int index);
    void ShowEntries();
    void ShowField();

    DeviceComboBox* m_pCombo;
};
