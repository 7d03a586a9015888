#include "platform/qt/widgets/DeviceMessageBox.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>

#include "platform/qt/widgets/DeviceMetrics.h"
#include "platform/qt/widgets/QtText.h"

namespace {
// The box leaves a little of the screen on each side, as the device's does.
constexpr int kScreenMargin = 4;
constexpr int kMaxWidth = DeviceMetrics::kScreenWidth - 2 * kScreenMargin;
} // namespace

int DeviceMessageBox::Ask(QWidget* screen, const MessageBoxRequest& request) {
    DeviceMessageBox box(screen, request);
    box.exec();
    return box.Answer();
}

DeviceMessageBox::DeviceMessageBox(QWidget* screen, const MessageBoxRequest& request)
    : QMessageBox(screen), m_caption(new QLabel(this)) {
    setObjectName(QStringLiteral("message-box"));
    // The device draws the box and its caption itself; a window manager's
    // frame would only repeat the caption, or be all that shows it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    QString caption = QtText::ToQString(request.caption);
    setWindowTitle(caption);
    m_caption->setObjectName(QStringLiteral("message-caption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setText(caption);
    m_caption->setIndent(4);
    m_caption->setAutoFillBackground(true);
    QPalette bar = m_caption->palette();
    bar.setColor(QPalette::Window, QColor(0x10, 0x3a, 0x8c));
    bar.setColor(QPalette::WindowText, Qt::white);
    m_caption->setPalette(bar);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    setContentsMargins(1, kCaptionHeight + 1, 1, 1);

    setTextFormat(Qt::PlainText);
    setText(QtText::ToQString(request.text));
    switch (request.type & MB_ICONMASK) {
    case MB_ICONSTOP: setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: setIcon(QMessageBox::Question); break;
    default: setIcon(QMessageBox::NoIcon); break;
    }
    // Closing the box without a button gives what the device gives: OK for
    // an OK box, otherwise No or Cancel, the answer that changes nothing.
    switch (request.type & MB_TYPEMASK) {
    case MB_YESNO:
        setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        setDefaultButton(QMessageBox::Yes);
        m_closed = IDNO;
        break;
    case MB_YESNOCANCEL:
        setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        setDefaultButton(QMessageBox::Yes);
        m_closed = IDCANCEL;
        break;
    default:
        setStandardButtons(QMessageBox::Ok);
        break;
    }
}

int DeviceMessageBox::Answer() const {
    switch (standardButton(clickedButton())) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return m_closed;
    }
}

bool DeviceMessageBox::event(QEvent* event) {
    bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest) FitToScreen();
    return handled;
}

void DeviceMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    FitToScreen();
}

void DeviceMessageBox::FitToScreen() {
    if (m_fitting || !layout()) return;
    m_fitting = true;
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) label->setWordWrap(true);
    // The total sizes count the caption bar, which lies in the margins.
    QLayout* boxLayout = layout();
    int width = std::min(kMaxWidth, std::max(boxLayout->totalMinimumSize().width(), boxLayout->totalSizeHint().width()));
    int height = boxLayout->hasHeightForWidth() ? boxLayout->totalHeightForWidth(width)
                                                : boxLayout->totalMinimumSize().height();
    setFixedSize(width, height);
    m_caption->setGeometry(1, 1, width - 2, kCaptionHeight);
    // Centred on the device screen, whatever placed it before.
    if (QWidget* screen = parentWidget(); screen && screen->isVisible()) {
        QPoint centre = screen->mapToGlobal(screen->rect().center());
        move(centre.x() - width / 2, centre.y() - this->height() / 2);
    }
    m_fitting = false;
}

void DeviceMessageBox::paintEvent(QPaintEvent* event) {
    QMessageBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
