#include "platform/qt/MonthCalendarPeer.h"

#include "platform/framework/CDialog.h"
#include "platform/framework/CMonthCalCtrl.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/DialogPage.h"
#include "platform/qt/MonthCalendarWidget.h"

MonthCalendarPeer::MonthCalendarPeer(DialogPage& page, CWnd& control)
    : QtControlPeer(page, control), m_pCalendar(new MonthCalendarWidget(&page)) {
    m_pCalendar->OnPicked([this](const QDate& date) { Picked(date); });
    SetWidget(m_pCalendar);
}

void MonthCalendarPeer::ShowState() {
    auto* calendar = dynamic_cast<CMonthCalCtrl*>(&Control());
    SYSTEMTIME day;
    if (!calendar || !calendar->GetCurSel(&day)) return;
    m_pCalendar->SetSelectedDate(QDate(day.wYear, day.wMonth, day.wDay));
}

void MonthCalendarPeer::Show(ControlChange change, int, int) {
    if (change == ControlChange::Selection) ShowState();
}

void MonthCalendarPeer::Picked(const QDate& date) {
    SYSTEMTIME day;
    day.wYear = static_cast<WORD>(date.year());
    day.wMonth = static_cast<WORD>(date.month());
    day.wDay = static_cast<WORD>(date.day());
    day.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);  // Sunday is 0
    Deliver([this, &day] { DialogInput::PickDate(Dialog(), Id(), day); });
    // A pick the framework refused leaves its own selection marked.
    ShowState();
}
