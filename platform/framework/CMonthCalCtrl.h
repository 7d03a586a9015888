#pragma once
// A month calendar. Its selected day starts as the device's today; a day
// that is not on the calendar (2023-02-31) is refused and changes nothing.

#include "platform/framework/CWnd.h"

class CMonthCalCtrl : public CWnd {
public:
    CMonthCalCtrl();
    BOOL GetCurSel(SYSTEMTIME* pDate) const;
    BOOL SetCurSel(const SYSTEMTIME& date);
    void AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) override;

private:
    SYSTEMTIME m_selected;
};
