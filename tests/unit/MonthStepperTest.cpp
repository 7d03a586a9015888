// Month steps through calendar time in places with daylight saving and far
// outside the years a 32-bit clock knows: every month is reached exactly
// once, in order, and the four-digit years are never left.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "dialogs/CMonthStepper.h"

namespace {

// Sets the local time zone for one test and puts the old one back.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (m_old) setenv("TZ", m_old->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_old;
};

struct Month {
    int year;
    int month;
    bool operator==(const Month&) const = default;
};

void PrintTo(const Month& m, std::ostream* out) { *out << m.year << "/" << m.month; }

Month After(Month m) { return m.month == 12 ? Month{m.year + 1, 1} : Month{m.year, m.month + 1}; }

std::optional<Month> Next(Month m) {
    if (!CMonthStepper::Next(m.year, m.month)) return std::nullopt;
    return m;
}
std::optional<Month> Previous(Month m) {
    if (!CMonthStepper::Previous(m.year, m.month)) return std::nullopt;
    return m;
}

class MonthStepperInZone : public ::testing::TestWithParam<const char*> {};

// A zone the system does not know would quietly be UTC, and prove nothing.
bool KeepsDaylightSaving() {
    std::tm winter{}, summer{};
    winter.tm_year = summer.tm_year = 124;
    winter.tm_mday = summer.tm_mday = 15;
    summer.tm_mon = 6;
    winter.tm_isdst = summer.tm_isdst = -1;
    return std::mktime(&summer) - std::mktime(&winter) != 182L * 86400;
}

// Every month from 1000 to 9999, forward and back: each spring-forward and
// fall-back of the zone's history (March, April, October, November), every
// turn of the year, and the years before 1970 and after 2037.
TEST_P(MonthStepperInZone, WalksEveryFourDigitMonthOnceEachWay) {
    TimeZone zone(GetParam());
    if (std::string(GetParam()) != "UTC") {
        ASSERT_TRUE(KeepsDaylightSaving()) << GetParam() << " is not installed";
    }
    Month m{1000, 1};
    while (m.year < 9999 || m.month < 12) {
        std::optional<Month> next = Next(m);
        ASSERT_EQ(next, After(m)) << "from " << m.year << "/" << m.month;
        ASSERT_EQ(Previous(*next), m) << "back from " << next->year << "/" << next->month;
        m = *next;
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, MonthStepperInZone,
                         ::testing::Values("America/New_York", "Europe/Berlin", "Australia/Lord_Howe", "UTC"));

TEST(MonthStepper, CrossesTheTurnOfTheYear) {
    TimeZone zone("Europe/Berlin");
    EXPECT_EQ(Previous({2024, 1}), (Month{2023, 12}));
    EXPECT_EQ(Next({2024, 12}), (Month{2025, 1}));
    EXPECT_EQ(Next({1969, 12}), (Month{1970, 1}));
    EXPECT_EQ(Previous({1970, 1}), (Month{1969, 12}));
    EXPECT_EQ(Next({2037, 12}), (Month{2038, 1}));
}

TEST(MonthStepper, NeverLeavesTheFourDigitYears) {
    TimeZone zone("America/New_York");
    int year = 1000, month = 1;
    EXPECT_FALSE(CMonthStepper::Previous(year, month));
    EXPECT_EQ(year, 1000);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(Next({1000, 1}), (Month{1000, 2}));
    EXPECT_EQ(Previous({1001, 1}), (Month{1000, 12}));

    year = 9999, month = 12;
    EXPECT_FALSE(CMonthStepper::Next(year, month));
    EXPECT_EQ(year, 9999);
    EXPECT_EQ(month, 12);
    EXPECT_EQ(Previous({9999, 12}), (Month{9999, 11}));
    EXPECT_EQ(Next({9998, 12}), (Month{9999, 1}));
}

} // namespace
