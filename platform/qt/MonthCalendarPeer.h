#pragma once
// A month calendar. A day the person taps is picked through the framework;
// the selection shown is the framework's.

#include "platform/qt/QtControlPeer.h"

class MonthCalendarWidget;
class QDate;

class MonthCalendarPeer : public QtControlPeer {
public:
    MonthCalendarPeer(DialogPage& page, CWnd& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;

private:
    void Picked(const QDate& date);

    MonthCalendarWidget* m_pCalendar;
};
