#pragma once
// The window that stands for the device: its screen, the navigation bar on
// top and below it the area where the running dialog shows. The window's close
// button and Escape close the top dialog, as the platform's close does.

#include <QWidget>
#include <functional>

#include "platform/framework/CBitmap.h"

class NavigationBarView;

class DeviceScreen : public QWidget {
public:
    DeviceScreen(std::function<void()> closeTopDialog, std::function<void()> captionOk);

    NavigationBarView& NavigationBar() const { return *m_pNavigationBar; }
    QWidget& PageArea() const { return *m_pPageArea; }
    void ShowIcon(HICON icon);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_closeTopDialog;
    NavigationBarView* m_pNavigationBar;
    QWidget* m_pPageArea;
    HICON m_hIcon = nullptr;
};
