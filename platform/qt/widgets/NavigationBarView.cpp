#include "platform/qt/widgets/NavigationBarView.h"

#include <QLabel>
#include <QPushButton>

#include "platform/qt/widgets/ComposingText.h"

namespace {
constexpr int kButtonWidth = 30;
constexpr int kMargin = 4;
} // namespace

NavigationBarView::NavigationBarView(std::function<void()> captionOk, std::function<void()> close, QWidget* parent)
    : QWidget(parent), m_title(new QLabel(this)) {
    setObjectName(QStringLiteral("navigation-bar"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x10, 0x3a, 0x8c));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    m_title->setObjectName(QStringLiteral("navigation-title"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_ok = AddButton(QStringLiteral("caption-ok"), QStringLiteral("ok"), std::move(captionOk));
    m_close = AddButton(QStringLiteral("caption-close"), QStringLiteral("\u00d7"), std::move(close));
}

QPushButton* NavigationBarView::AddButton(const QString& name, const QString& text, std::function<void()> action) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    // A tap on the bar leaves the dialog's focus where it is.
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    // The tap acts on what the person typed, the syllable being composed too.
    connect(button, &QPushButton::pressed, this, [] { ComposingText::CommitPending(); });
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    return button;
}

void NavigationBarView::SetTitle(const QString& title) {
    m_title->setText(title);
    window()->setWindowTitle(title);
}

QString NavigationBarView::Title() const {
    return m_title->text();
}

void NavigationBarView::SetCaptionButton(CaptionButton button) {
    m_ok->setVisible(button == CaptionButton::Ok);
    m_close->setVisible(button == CaptionButton::Close);
}

void NavigationBarView::resizeEvent(QResizeEvent*) {
    m_title->setGeometry(kMargin, 0, width() - kButtonWidth - 3 * kMargin, height());
    QRect button(width() - kButtonWidth - kMargin, 3, kButtonWidth, height() - 6);
    m_ok->setGeometry(button);
    m_close->setGeometry(button);
}
