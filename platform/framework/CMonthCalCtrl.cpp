#include "platform/framework/CMonthCalCtrl.h"

#include "platform/shell/CivilDate.h"
#include "platform/shell/DeviceClock.h"

CMonthCalCtrl::CMonthCalCtrl() {
    DeviceClock::GetLocalTime(&m_selected);
    m_selected.wHour = m_selected.wMinute = m_selected.wSecond = m_selected.wMilliseconds = 0;
}

BOOL CMonthCalCtrl::GetCurSel(SYSTEMTIME* pDate) const {
    if (!pDate) return FALSE;
    *pDate = m_selected;
    return TRUE;
}

BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME& date) {
    if (!CivilDate{date.wYear, date.wMonth, date.wDay}.Exists()) return FALSE;
    m_selected = date;
    m_selected.wHour = m_selected.wMinute = m_selected.wSecond = m_selected.wMilliseconds = 0;
    NotifyPeer(ControlChange::Selection);
    return TRUE;
}

void CMonthCalCtrl::AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) {
    if (auto* before = dynamic_cast<CMonthCalCtrl*>(previous)) m_selected = before->m_selected;
    CWnd::AttachControl(owner, entry, previous);
}
