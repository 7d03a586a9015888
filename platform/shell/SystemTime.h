#pragma once
// A local date and time broken into fields, as the device's clock gives it
// and its month calendar shows it. The shell defines it so that the clock
// needs nothing of the framework; the framework's Types.h brings it to the
// program.

#include <cstdint>

struct SYSTEMTIME {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;
};
