#pragma once
// The window that stands for the device: its screen, the navigation bar on
// top and below it the area where the running dialog shows. The window's close
// button and Escape close the top dialog, as the platform's close does.
// Ctrl+plus, Ctrl+minus and Ctrl+0 zoom it in, out and back.

#include <QWidget>
#include <functional>

#include "platform/framework/CBitmap.h"

class NavigationBarView;

class DeviceScreen : public QWidget {
public:
    DeviceScreen(std::function<void()> closeTopDialog, std::function<void()> captionOk);

    NavigationBarView& NavigationBar() const { return *m_navigationBar; }
    QWidget& PageArea() const { return *m_pageArea; }
    void ShowIcon(HICON icon);
    // Called once, when the screen has been painted for the first time.
    void OnFirstPaint(std::function<void()> painted) { m_firstPaint = std::move(painted); }
    // Whether Escape closes the dialog shown (not on the main menu).
    void SetEscapeCloses(bool closes) { m_escapeCloses = closes; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddZoomKeys();

    std::function<void()> m_closeTopDialog;
    NavigationBarView* m_navigationBar;
    QWidget* m_pageArea;
    HICON m_icon = nullptr;
    std::function<void()> m_firstPaint;
    bool m_painted = false;
    bool m_escapeCloses = true;
};
