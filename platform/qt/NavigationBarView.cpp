#include "platform/qt/NavigationBarView.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kOkWidth = 30;
constexpr int kMargin = 4;
} // namespace

NavigationBarView::NavigationBarView(std::function<void()> captionOk, QWidget* parent)
    : QWidget(parent), m_pTitle(new QLabel(this)), m_pOk(new QPushButton(QStringLiteral("ok"), this)) {
    setObjectName(QStringLiteral("navigation-bar"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x10, 0x3a, 0x8c));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    m_pTitle->setObjectName(QStringLiteral("navigation-title"));
    m_pTitle->setTextFormat(Qt::PlainText);
    m_pTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = m_pTitle->font();
    bold.setBold(true);
    m_pTitle->setFont(bold);

    m_pOk->setObjectName(QStringLiteral("caption-ok"));
    // A tap on the bar leaves the dialog's focus where it is.
    m_pOk->setFocusPolicy(Qt::NoFocus);
    m_pOk->hide();
    connect(m_pOk, &QPushButton::clicked, this, [captionOk = std::move(captionOk)] { captionOk(); });
}

void NavigationBarView::SetTitle(const QString& title) {
    m_pTitle->setText(title);
    window()->setWindowTitle(title);
}

QString NavigationBarView::Title() const {
    return m_pTitle->text();
}

void NavigationBarView::SetCaptionOkShown(bool shown) {
    m_pOk->setVisible(shown);
}

void NavigationBarView::resizeEvent(QResizeEvent*) {
    m_pTitle->setGeometry(kMargin, 0, width() - kOkWidth - 3 * kMargin, height());
    m_pOk->setGeometry(width() - kOkWidth - kMargin, 3, kOkWidth, height() - 6);
}
