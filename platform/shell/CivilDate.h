#pragma once
// A day of the proleptic Gregorian calendar, and the count of days between it
// and 1970-01-01. This is the one place that knows leap years and month
// lengths: the clock, the month calendar, the variant date texts and the
// scenario parser all ask it whether a date exists.
//
// It knows nothing of time zones, times of day or daylight saving (CTime and
// the C library's local time do that), nor of any text form of a date.

struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;

    static constexpr bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

    // 0 for a month outside 1 to 12, so that no day of it exists.
    static constexpr int DaysInMonth(int year, int month) {
        constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if (month < 1 || month > 12) return 0;
        return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
    }

    // Whether the day is on the calendar: 2024-02-29 is, 2023-02-29 and
    // 2023-02-31 are not. Every year counts, year 0 and before included.
    constexpr bool Exists() const { return day >= 1 && day <= DaysInMonth(year, month); }

    // Counted in whole 400-year eras, which repeat exactly, so that the
    // arithmetic holds for dates before 1970 and before year 1 alike.
    constexpr long long DaysSince1970() const {
        long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
        long long era = (y >= 0 ? y : y - 399) / 400;
        long long yearOfEra = y - era * 400;
        long long dayOfYear = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;  // from 1 March
        long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
        return era * 146097 + dayOfEra - 719468;
    }

    static constexpr CivilDate FromDaysSince1970(long long days) {
        days += 719468;
        long long era = (days >= 0 ? days : days - 146096) / 146097;
        long long dayOfEra = days - era * 146097;
        long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        long long monthFromMarch = (5 * dayOfYear + 2) / 153;
        CivilDate date;
        date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
        date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
        date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
        return date;
    }

    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};
