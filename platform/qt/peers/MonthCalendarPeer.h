#pragma once
// A month calendar. A day the person taps is picked through the framework;
// the selection shown is the framework's.

#include "platform/framework/CMonthCalCtrl.h"
#include "platform/qt/peers/ControlPeerOf.h"
#include "platform/qt/widgets/MonthCalendarWidget.h"

class QDate;

class MonthCalendarPeer : public ControlPeerOf<CMonthCalCtrl, MonthCalendarWidget> {
public:
    MonthCalendarPeer(DialogPage& page, CMonthCalCtrl& control);

protected:
    void ShowState() override;
    void Show(ControlChange change, int row, int column) override;

private:
    void Picked(const QDate& date);
};
