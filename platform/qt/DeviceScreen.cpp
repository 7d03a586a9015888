#include "platform/qt/DeviceScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>

#include "platform/qt/ComposingText.h"
#include "platform/qt/DeviceMetrics.h"
#include "platform/qt/NavigationBarView.h"
#include "platform/qt/QtBitmap.h"

DeviceScreen::DeviceScreen(std::function<void()> closeTopDialog, std::function<void()> captionOk)
    : m_closeTopDialog(std::move(closeTopDialog)),
      m_pNavigationBar(new NavigationBarView(std::move(captionOk), m_closeTopDialog, this)),
      m_pPageArea(new QWidget(this)) {
    setObjectName(QStringLiteral("device-screen"));
    setFixedSize(DeviceMetrics::kScreenWidth, DeviceMetrics::kScreenHeight);
    m_pNavigationBar->setGeometry(0, 0, DeviceMetrics::kScreenWidth, DeviceMetrics::kNavigationBarHeight);
    m_pPageArea->setObjectName(QStringLiteral("page-area"));
    m_pPageArea->setGeometry(0, DeviceMetrics::kNavigationBarHeight, DeviceMetrics::kScreenWidth,
                             DeviceMetrics::kScreenHeight - DeviceMetrics::kNavigationBarHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
}

void DeviceScreen::ShowIcon(HICON icon) {
    if (!icon || icon == m_hIcon) return;
    m_hIcon = icon;
    setWindowIcon(QIcon(QPixmap::fromImage(QtBitmap::ToImage(*icon))));
}

void DeviceScreen::closeEvent(QCloseEvent* event) {
    // The window stays; the program decides what closing its dialog means.
    event->ignore();
    m_closeTopDialog();
}

void DeviceScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !QApplication::activePopupWidget()) {
        ComposingText::CommitPending();
        m_closeTopDialog();
        return;
    }
    QWidget::keyPressEvent(event);
}
