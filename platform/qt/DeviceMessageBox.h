#pragma once
// A message box on the device screen with the caption, text, buttons and icon
// that the program asked for; returns the button pressed.

#include "platform/framework/WindowSystem.h"

class QWidget;

class DeviceMessageBox {
public:
    static int Ask(QWidget* screen, const MessageBoxRequest& request);
};
