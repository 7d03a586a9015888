#pragma once
// Calendar time: a count of seconds, built from local date and time fields
// (the platform decides about daylight saving), moved by seconds and broken
// down into local fields again.

#include <ctime>

#include "platform/framework/CTimeSpan.h"
#include "platform/framework/Types.h"

class CTime {
public:
    CTime() = default;
    explicit CTime(std::time_t time) : m_time(time) {}
    CTime(int year, int month, int day, int hour, int minute, int second);

    // The device's current local time (fixed by scripts and tests when they ask).
    static CTime GetCurrentTime();

    std::time_t GetTime() const { return m_time; }
    bool IsValid() const { return m_time != static_cast<std::time_t>(-1); }
    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }

    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTotalSeconds()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTotalSeconds()); }

private:
    std::tm Local() const;

    std::time_t m_time = 0;
};
