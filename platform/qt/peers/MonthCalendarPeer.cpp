#include "platform/qt/peers/MonthCalendarPeer.h"

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DialogPage.h"

MonthCalendarPeer::MonthCalendarPeer(DialogPage& page, CMonthCalCtrl& control)
    : ControlPeerOf(page, control, new MonthCalendarWidget(&page)) {
    Widget()->OnPicked([this](const QDate& date) { Picked(date); });
    TakeWidget();
}

void MonthCalendarPeer::ShowState() {
    SYSTEMTIME day;
    if (!Control().GetCurSel(&day)) return;
    Widget()->SetSelectedDate(QDate(day.wYear, day.wMonth, day.wDay));
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
