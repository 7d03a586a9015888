#include "dialogs/CMonthStepper.h"

#include "platform/framework/CTime.h"

bool CMonthStepper::Previous(int& nYear, int& nMonth) {
    return Step(nYear, nMonth, 1, -86400);
}

bool CMonthStepper::Next(int& nYear, int& nMonth) {
    return Step(nYear, nMonth, 25, 864000);
}

bool CMonthStepper::Step(int& nYear, int& nMonth, int nDay, long long nSeconds) {
    CTime start(nYear, nMonth, nDay, 1, 1, 1);
    if (!start.IsValid()) return false;
    CTime moved = nSeconds < 0 ? start - CTimeSpan(-nSeconds) : start + CTimeSpan(nSeconds);
    const int nNewYear = moved.GetYear();
    if (nNewYear < kFirstYear || nNewYear > kLastYear) return false;
    nYear = nNewYear;
    nMonth = moved.GetMonth();
    return true;
}
