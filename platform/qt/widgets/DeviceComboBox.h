#pragma once
// A drop-down combo box that tells a pick from its open list apart from
// everything else. Qt reports both as `activated`: also Return or focus loss
// on a typed text that equals an entry, the arrow keys and the mouse wheel.
// On the device only a pick from the list is a selection change, so the
// others are not taken at all or not reported.

#include <QComboBox>
#include <functional>

class DeviceComboBox : public QComboBox {
public:
    explicit DeviceComboBox(QWidget* parent);

    // Called with the entry's index when the person picks it from the list.
    void OnPicked(std::function<void(int)> picked) { m_picked = std::move(picked); }
    void showPopup() override;
    void hidePopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::function<void(int)> m_picked;
    // Qt closes the list and then reports the pick, in one go.
    bool m_listClosing = false;
    bool m_pickReported = false;
};
