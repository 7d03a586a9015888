#pragma once
// Steps a shown month back or forth through calendar time, as the search and
// statistics dialogs do: the previous month is one day before day 1 at
// 01:01:01, the next month ten days after day 25 at 01:01:01. Whatever the
// daylight-saving rule of the place, those moments lie well inside the
// wanted month, so no month is skipped or repeated.
//
// Years are shown with four digits and dates compared as four-digit texts,
// so a step that would leave the years 1000 to 9999 does nothing.

class CMonthStepper {
public:
    // Each returns false, leaving the month as it was, when the step cannot
    // be taken.
    static bool Previous(int& nYear, int& nMonth);
    static bool Next(int& nYear, int& nMonth);

    static constexpr int kFirstYear = 1000;
    static constexpr int kLastYear = 9999;

private:
    static bool Step(int& nYear, int& nMonth, int nDay, long long nSeconds);
};
