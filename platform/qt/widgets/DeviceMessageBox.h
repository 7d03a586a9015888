#pragma once
// A message box on the device screen with the caption, text, buttons and icon
// that the program asked for; returns the button pressed. It is drawn as the
// device draws it: within the screen's width, the text wrapped, and the
// caption in a bar inside the box, so that it shows with or without a window
// manager (for the Yes/No/Cancel questions it is what says what No means).

#include <QMessageBox>

#include "platform/framework/WindowSystem.h"

class QLabel;

class DeviceMessageBox : public QMessageBox {
public:
    static int Ask(QWidget* screen, const MessageBoxRequest& request);

    DeviceMessageBox(QWidget* screen, const MessageBoxRequest& request);

    // The bar that shows the caption.
    static constexpr int kCaptionHeight = 18;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // QMessageBox sizes itself for a desktop on every layout pass; this
    // brings it back within the device screen.
    void FitToScreen();
    int Answer() const;

    QLabel* m_caption;
    int m_closed = IDOK;
    bool m_fitting = false;
};
