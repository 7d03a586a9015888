#pragma once
// A month calendar. Its selected day starts as the device's today.

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
