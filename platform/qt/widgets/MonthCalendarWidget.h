#pragma once
// A month calendar drawn as the device draws it in its small rectangle: the
// month with arrows to page, the day names from Sunday, six weeks of days
// (those of the months around in grey) and the selected day marked. There is
// no line for today's date. The keys move the mark (arrows by day and week,
// Page Up and Down by month, Home and End to the month's ends) and Enter or
// Space picks the marked day, as a tap on it does.

#include <QDate>
#include <QWidget>
#include <functional>

class MonthCalendarWidget : public QWidget {
public:
    explicit MonthCalendarWidget(QWidget* parent);

    // Marks the day and pages to its month.
    void SetSelectedDate(const QDate& date);
    QDate SelectedDate() const { return m_selected; }
    // The first day of the month shown.
    QDate Page() const { return m_page; }
    // Called with the day the person taps; paging is no pick.
    void OnPicked(std::function<void(const QDate&)> picked) { m_picked = std::move(picked); }
    // Where the day is drawn on the page shown; empty when it is not.
    QRect DayRect(const QDate& date) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The calendar drops down over the controls around it: while shown it
    // lies on top of them and takes the taps there.
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int TitleHeight() const;
    int NamesHeight() const;
    QDate FirstShownDay() const;
    QDate DayAt(const QPoint& point) const;
    QRect PreviousArrow() const;
    QRect NextArrow() const;
    // The day a key moves the mark to; invalid for a key that moves nothing.
    QDate DayForKey(int key) const;

    QDate m_selected;
    QDate m_page;
    QDate m_pressed;
    std::function<void(const QDate&)> m_picked;
};
