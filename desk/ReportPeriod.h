#pragma once
// The period of a chart: a month or a year, stepped as the statistics step
// it (December back from January of the next year, and so on), within the
// years 1000 to 9999 that a four-digit date text can hold. Its first and
// last date texts are the ones the statistics query with, so that a month
// ends on the 31st whatever its length: dates compare as text.

#include <string>

class ReportPeriod {
public:
    static constexpr int kFirstYear = 1000;
    static constexpr int kLastYear = 9999;

    static ReportPeriod OfMonth(int year, int month);
    static ReportPeriod OfYear(int year);

    bool Monthly() const { return m_month != 0; }
    int Year() const { return m_year; }
    int Month() const { return m_month; }  // 0 for a year

    // One month or one year back (-1) or forth (+1); false, unchanged, at
    // the end of the years.
    bool Step(int direction);
    bool CanStep(int direction) const;
    // The same year as a month (the given one) or as a year.
    ReportPeriod AsMonth(int month) const { return OfMonth(m_year, month); }
    ReportPeriod AsYear() const { return OfYear(m_year); }

    std::string From() const;
    std::string To() const;
    // "2024년03월" or "2024년", as the statistics show it.
    std::string Label() const;

    bool operator==(const ReportPeriod&) const = default;

private:
    ReportPeriod(int year, int month) : m_year(year), m_month(month) {}
    int m_year;
    int m_month;
};
