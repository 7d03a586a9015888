#include "platform/qt/widgets/MonthCalendarWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kWeeks = 6;
constexpr int kDays = 7;
const QColor kTitleBack(0x10, 0x3a, 0x8c);
const QColor kSelectedBack(0x10, 0x3a, 0x8c);
const QColor kOtherMonth(0x90, 0x90, 0x90);
} // namespace

MonthCalendarWidget::MonthCalendarWidget(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    SetSelectedDate(QDate::currentDate());
}

void MonthCalendarWidget::SetSelectedDate(const QDate& date) {
    if (!date.isValid()) return;
    m_selected = date;
    m_page = QDate(date.year(), date.month(), 1);
    update();
}

int MonthCalendarWidget::TitleHeight() const {
    return fontMetrics().height() + 4;
}

int MonthCalendarWidget::NamesHeight() const {
    return fontMetrics().height() + 4;
}

QDate MonthCalendarWidget::FirstShownDay() const {
    // Weeks start on Sunday; a month that starts on Sunday shows the week
    // before it too, as the device does.
    int back = m_page.dayOfWeek() % kDays;
    return m_page.addDays(-(back == 0 ? kDays : back));
}

QRect MonthCalendarWidget::DayRect(const QDate& date) const {
    qint64 index = FirstShownDay().daysTo(date);
    if (index < 0 || index >= kWeeks * kDays) return QRect();
    int top = TitleHeight() + NamesHeight();
    int cellHeight = (height() - top) / kWeeks;
    int column = static_cast<int>(index % kDays);
    int row = static_cast<int>(index / kDays);
    int left = column * width() / kDays;
    return QRect(left, top + row * cellHeight, (column + 1) * width() / kDays - left, cellHeight);
}

QDate MonthCalendarWidget::DayAt(const QPoint& point) const {
    for (int i = 0; i < kWeeks * kDays; ++i) {
        QDate day = FirstShownDay().addDays(i);
        if (DayRect(day).contains(point)) return day;
    }
    return QDate();
}

QRect MonthCalendarWidget::PreviousArrow() const {
    return QRect(0, 0, TitleHeight(), TitleHeight());
}

QRect MonthCalendarWidget::NextArrow() const {
    return QRect(width() - TitleHeight(), 0, TitleHeight(), TitleHeight());
}

void MonthCalendarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QRect title(0, 0, width(), TitleHeight());
    painter.fillRect(title, kTitleBack);
    painter.setPen(Qt::white);
    painter.drawText(title, Qt::AlignCenter, QStringLiteral("%1년 %2월").arg(m_page.year()).arg(m_page.month()));
    painter.drawText(PreviousArrow(), Qt::AlignCenter, QStringLiteral("◀"));
    painter.drawText(NextArrow(), Qt::AlignCenter, QStringLiteral("▶"));

    static const QString names[kDays] = {QStringLiteral("일"), QStringLiteral("월"), QStringLiteral("화"),
                                         QStringLiteral("수"), QStringLiteral("목"), QStringLiteral("금"),
                                         QStringLiteral("토")};
    int namesTop = TitleHeight();
    for (int column = 0; column < kDays; ++column) {
        int left = column * width() / kDays;
        QRect cell(left, namesTop, (column + 1) * width() / kDays - left, NamesHeight());
        painter.setPen(column == 0 ? Qt::red : Qt::black);
        painter.drawText(cell, Qt::AlignCenter, names[column]);
    }
    painter.setPen(Qt::black);
    painter.drawLine(2, namesTop + NamesHeight() - 1, width() - 3, namesTop + NamesHeight() - 1);

    for (int i = 0; i < kWeeks * kDays; ++i) {
        QDate day = FirstShownDay().addDays(i);
        QRect cell = DayRect(day);
        bool inMonth = day.month() == m_page.month();
        if (day == m_selected) {
            painter.fillRect(cell.adjusted(1, 0, -1, 0), kSelectedBack);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(inMonth ? Qt::black : kOtherMonth);
        }
        painter.drawText(cell, Qt::AlignCenter, QString::number(day.day()));
    }
    // With the keyboard here, a dotted frame says the keys move the mark.
    if (window()->focusWidget() == this) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void MonthCalendarWidget::showEvent(QShowEvent* event) {
    raise();
    QWidget::showEvent(event);
}

void MonthCalendarWidget::mousePressEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    m_pressed = QDate();
    if (PreviousArrow().contains(at)) m_page = m_page.addMonths(-1);
    else if (NextArrow().contains(at)) m_page = m_page.addMonths(1);
    else m_pressed = DayAt(at);
    update();
}

void MonthCalendarWidget::mouseReleaseEvent(QMouseEvent* event) {
    QDate day = DayAt(event->position().toPoint());
    if (!m_pressed.isValid() || day != m_pressed) return;
    m_pressed = QDate();
    if (m_picked) m_picked(day);
}

void MonthCalendarWidget::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (!event->isAutoRepeat() && m_picked) m_picked(m_selected);
        return;
    }
    QDate day = DayForKey(key);
    if (!day.isValid()) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The mark moves and the page follows it; nothing is picked yet.
    SetSelectedDate(day);
}

QDate MonthCalendarWidget::DayForKey(int key) const {
    switch (key) {
    case Qt::Key_Left: return m_selected.addDays(-1);
    case Qt::Key_Right: return m_selected.addDays(1);
    case Qt::Key_Up: return m_selected.addDays(-kDays);
    case Qt::Key_Down: return m_selected.addDays(kDays);
    case Qt::Key_PageUp: return m_selected.addMonths(-1);
    case Qt::Key_PageDown: return m_selected.addMonths(1);
    case Qt::Key_Home: return QDate(m_selected.year(), m_selected.month(), 1);
    case Qt::Key_End: return QDate(m_selected.year(), m_selected.month(), m_selected.daysInMonth());
    default: return QDate();
    }
}
