#include "platform/shell/DeviceClock.h"

#include <chrono>
#include <optional>

#include "platform/shell/CivilDate.h"

namespace {

std::optional<std::time_t>& FixedNow() {
    static std::optional<std::time_t> fixed;
    return fixed;
}

} // namespace

std::time_t DeviceClock::Now() {
    if (FixedNow()) return *FixedNow();
    return std::time(nullptr);
}

void DeviceClock::GetLocalTime(SYSTEMTIME* pTime) {
    if (!pTime) return;
    std::time_t now = Now();
    std::tm local{};
    localtime_r(&now, &local);
    pTime->wYear = static_cast<std::uint16_t>(local.tm_year + 1900);
    pTime->wMonth = static_cast<std::uint16_t>(local.tm_mon + 1);
    pTime->wDayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
    pTime->wDay = static_cast<std::uint16_t>(local.tm_mday);
    pTime->wHour = static_cast<std::uint16_t>(local.tm_hour);
    pTime->wMinute = static_cast<std::uint16_t>(local.tm_min);
    pTime->wSecond = static_cast<std::uint16_t>(local.tm_sec);
    pTime->wMilliseconds = 0;
}

bool DeviceClock::SetToday(int year, int month, int day) {
    // mktime would quietly read 2023-02-31 as 3 March.
    if (!CivilDate{year, month, day}.Exists()) return false;
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = 12;
    fields.tm_isdst = -1;
    std::time_t at = std::mktime(&fields);
    if (at == static_cast<std::time_t>(-1)) return false;
    FixedNow() = at;
    return true;
}

void DeviceClock::UseRealTime() {
    FixedNow().reset();
}
