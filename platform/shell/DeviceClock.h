#pragma once
// The device's local date and time. Tests and scripts may fix today's date;
// the time of day then reads 12:00:00.

#include <ctime>

#include "platform/shell/SystemTime.h"

class DeviceClock {
public:
    static void GetLocalTime(SYSTEMTIME* pTime);
    static std::time_t Now();
    // Fixes today's date from now on; returns false for a date that does not exist.
    static bool SetToday(int year, int month, int day);
    static void UseRealTime();
};
