#include "platform/framework/CTime.h"

#include "platform/shell/DeviceClock.h"

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    m_time = std::mktime(&fields);
}

CTime CTime::GetCurrentTime() {
    return CTime(DeviceClock::Now());
}

std::tm CTime::Local() const {
    std::tm local{};
    localtime_r(&m_time, &local);
    return local;
}
