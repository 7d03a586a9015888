// Calendar time as the month stepping uses it: build a local time from
// fields, move it by seconds, break it down again.

#include <gtest/gtest.h>

#include "platform/framework/CTime.h"
#include "platform/shell/DeviceClock.h"

namespace {

struct YearMonth {
    int year;
    int month;
};

YearMonth StepBack(int year, int month) {
    CTime t = CTime(year, month, 1, 1, 1, 1) - CTimeSpan(86400);
    return {t.GetYear(), t.GetMonth()};
}

YearMonth StepForward(int year, int month) {
    CTime t = CTime(year, month, 25, 1, 1, 1) + CTimeSpan(864000);
    return {t.GetYear(), t.GetMonth()};
}

TEST(CalendarTime, StepsBackAcrossTheYear) {
    EXPECT_EQ(StepBack(2024, 1).year, 2023);
    EXPECT_EQ(StepBack(2024, 1).month, 12);
    EXPECT_EQ(StepBack(2024, 3).month, 2);  // into a leap February
    EXPECT_EQ(StepBack(2024, 3).year, 2024);
}

TEST(CalendarTime, StepsForwardAcrossTheYearAndFebruary) {
    EXPECT_EQ(StepForward(2024, 12).year, 2025);
    EXPECT_EQ(StepForward(2024, 12).month, 1);
    EXPECT_EQ(StepForward(2024, 2).month, 3);
    EXPECT_EQ(StepForward(2023, 2).month, 3);
    for (int m = 1; m <= 11; ++m) EXPECT_EQ(StepForward(2030, m).month, m + 1) << m;
}

TEST(CalendarTime, BreaksDownFieldsAgain) {
    CTime t(2024, 2, 29, 1, 1, 1);
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 2);
    EXPECT_EQ(t.GetDay(), 29);
    CTime next = t + CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(next.GetMonth(), 3);
    EXPECT_EQ(next.GetDay(), 1);
}

TEST(DeviceClockTest, TodayCanBeFixedAndRefusesDaysThatDoNotExist) {
    ASSERT_TRUE(DeviceClock::SetToday(2003, 3, 5));
    SYSTEMTIME now;
    DeviceClock::GetLocalTime(&now);
    EXPECT_EQ(now.wYear, 2003);
    EXPECT_EQ(now.wMonth, 3);
    EXPECT_EQ(now.wDay, 5);
    EXPECT_EQ(now.wHour, 12);
    EXPECT_EQ(CTime::GetCurrentTime().GetDay(), 5);
    EXPECT_FALSE(DeviceClock::SetToday(2023, 2, 29));
    EXPECT_FALSE(DeviceClock::SetToday(2024, 13, 1));
    EXPECT_EQ(CTime::GetCurrentTime().GetYear(), 2003);  // unchanged by the refusals
    DeviceClock::UseRealTime();
}

} // namespace
