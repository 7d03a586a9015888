#include "platform/qt/screen/DeviceScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include "platform/qt/screen/ScreenZoom.h"
#include "platform/qt/widgets/ComposingText.h"
#include "platform/qt/widgets/DeviceMetrics.h"
#include "platform/qt/widgets/NavigationBarView.h"
#include "platform/qt/widgets/QtBitmap.h"

DeviceScreen::DeviceScreen(std::function<void()> closeTopDialog, std::function<void()> captionOk)
    : m_closeTopDialog(std::move(closeTopDialog)),
      m_navigationBar(new NavigationBarView(std::move(captionOk), m_closeTopDialog, this)),
      m_pageArea(new QWidget(this)) {
    setObjectName(QStringLiteral("device-screen"));
    setFixedSize(DeviceMetrics::kScreenWidth, DeviceMetrics::kScreenHeight);
    m_navigationBar->setGeometry(0, 0, DeviceMetrics::kScreenWidth, DeviceMetrics::kNavigationBarHeight);
    m_pageArea->setObjectName(QStringLiteral("page-area"));
    m_pageArea->setGeometry(0, DeviceMetrics::kNavigationBarHeight, DeviceMetrics::kScreenWidth,
                             DeviceMetrics::kScreenHeight - DeviceMetrics::kNavigationBarHeight);
    // The device's own colours, whatever the desktop's: every role is set
    // here, so a dark desktop palette reaches the windows beside it and not
    // the buttons and lists of this screen.
    QPalette palette = style()->standardPalette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    AddZoomKeys();
    m_navigationBar->installEventFilter(this);
}

void DeviceScreen::AddZoomKeys() {
    // Whatever control has the focus: a list view takes every key it gets,
    // but shortcuts come before it.
    auto add = [this](const QKeySequence& keys, std::function<int()> zoom) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [zoom = std::move(zoom)] { ScreenZoom::Set(zoom()); });
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Plus), [] { return ScreenZoom::Current() + 1; });
    // The plus sign is on the equals key, under Shift, on many keyboards.
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [] { return ScreenZoom::Current() + 1; });
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), [] { return ScreenZoom::Current() - 1; });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [] { return ScreenZoom::StartZoom(); });
}

bool DeviceScreen::eventFilter(QObject* watched, QEvent* event) {
    // The navigation bar is in every frame, and the screen itself is hidden
    // under its parts. The frame is on the screen once Qt has flushed it, by
    // the next turn of the event loop.
    if (watched == m_navigationBar && event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        if (m_firstPaint) QTimer::singleShot(0, this, [this] { m_firstPaint(); });
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceScreen::ShowIcon(HICON icon) {
    if (!icon || icon == m_icon) return;
    m_icon = icon;
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
        if (m_escapeCloses) m_closeTopDialog();
        return;
    }
    QWidget::keyPressEvent(event);
}
