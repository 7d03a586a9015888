// The calendar arithmetic every date check and date text rests on.

#include <gtest/gtest.h>

#include "platform/shell/CivilDate.h"

namespace {

// 1899-12-30, day 0 of the automation date, lies this many days before 1970.
constexpr long long kDaysFrom1899To1970 = 25569;

static_assert(CivilDate{1970, 1, 1}.DaysSince1970() == 0);
static_assert(CivilDate::FromDaysSince1970(0) == CivilDate{1970, 1, 1});

TEST(CivilDate, LeapYearsFollowTheCenturyRules) {
    EXPECT_TRUE(CivilDate::IsLeapYear(2024));
    EXPECT_FALSE(CivilDate::IsLeapYear(2023));
    EXPECT_FALSE(CivilDate::IsLeapYear(1900));
    EXPECT_FALSE(CivilDate::IsLeapYear(2100));
    EXPECT_TRUE(CivilDate::IsLeapYear(2000));
    EXPECT_TRUE(CivilDate::IsLeapYear(1600));
    EXPECT_TRUE(CivilDate::IsLeapYear(0));
    EXPECT_TRUE(CivilDate::IsLeapYear(-4));
    EXPECT_FALSE(CivilDate::IsLeapYear(-1));
}

TEST(CivilDate, MonthLengthsAndWhichDaysExist) {
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(CivilDate::DaysInMonth(2023, m), lengths[m - 1]) << m;
        EXPECT_EQ(CivilDate::DaysInMonth(2024, m), m == 2 ? 29 : lengths[m - 1]) << m;
        EXPECT_TRUE((CivilDate{2023, m, lengths[m - 1]}.Exists())) << m;
        EXPECT_FALSE((CivilDate{2023, m, lengths[m - 1] + 1}.Exists())) << m;
        EXPECT_FALSE((CivilDate{2023, m, 0}.Exists())) << m;
    }
    EXPECT_EQ(CivilDate::DaysInMonth(2024, 0), 0);
    EXPECT_EQ(CivilDate::DaysInMonth(2024, 13), 0);
    EXPECT_FALSE((CivilDate{2024, 0, 1}.Exists()));
    EXPECT_FALSE((CivilDate{2024, 13, 1}.Exists()));
    EXPECT_FALSE((CivilDate{2024, -1, 1}.Exists()));
    EXPECT_FALSE((CivilDate{2024, 1, -1}.Exists()));
    EXPECT_TRUE((CivilDate{2024, 2, 29}.Exists()));
    EXPECT_FALSE((CivilDate{2023, 2, 31}.Exists()));
}

TEST(CivilDate, DayCountsMatchKnownDays) {
    EXPECT_EQ((CivilDate{1899, 12, 30}.DaysSince1970()), -kDaysFrom1899To1970);
    EXPECT_EQ((CivilDate{1970, 1, 2}.DaysSince1970()), 1);
    EXPECT_EQ((CivilDate{1969, 12, 31}.DaysSince1970()), -1);
    EXPECT_EQ((CivilDate{2000, 3, 1}.DaysSince1970()), 11017);
    EXPECT_EQ((CivilDate{2024, 2, 29}.DaysSince1970()), 19782);
    // The first and the day after the last day that variant dates can hold.
    EXPECT_EQ((CivilDate{100, 1, 1}.DaysSince1970()) + kDaysFrom1899To1970, -657434);
    EXPECT_EQ((CivilDate{10000, 1, 1}.DaysSince1970()) + kDaysFrom1899To1970, 2958466);
}

// Every day that variant dates can hold, and a stretch before year 1: the
// count goes up by one a day and comes back to the same date.
TEST(CivilDate, EveryDayCountsOneMoreAndReadsBack) {
    CivilDate date{-401, 1, 1};
    long long days = date.DaysSince1970();
    while (date.year < 10000) {
        ASSERT_TRUE(date.Exists());
        ASSERT_EQ(date.DaysSince1970(), days) << date.year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(CivilDate::FromDaysSince1970(days), date) << days;
        ++days;
        if (++date.day > CivilDate::DaysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
}

} // namespace
