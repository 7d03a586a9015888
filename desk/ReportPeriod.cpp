#include "desk/ReportPeriod.h"

#include <algorithm>
#include <cstdio>

ReportPeriod ReportPeriod::OfMonth(int year, int month) {
    return ReportPeriod(std::clamp(year, kFirstYear, kLastYear), std::clamp(month, 1, 12));
}

ReportPeriod ReportPeriod::OfYear(int year) {
    return ReportPeriod(std::clamp(year, kFirstYear, kLastYear), 0);
}

bool ReportPeriod::CanStep(int direction) const {
    if (direction < 0) return m_year > kFirstYear || (Monthly() && m_month > 1);
    return m_year < kLastYear || (Monthly() && m_month < 12);
}

bool ReportPeriod::Step(int direction) {
    if (!CanStep(direction)) return false;
    if (!Monthly()) {
        m_year += direction;
        return true;
    }
    int months = m_year * 12 + (m_month - 1) + direction;
    m_year = months / 12;
    m_month = months % 12 + 1;
    return true;
}

std::string ReportPeriod::From() const {
    char text[16];
    if (Monthly()) std::snprintf(text, sizeof text, "%.4d-%.2d-01", m_year, m_month);
    else std::snprintf(text, sizeof text, "%.4d-01-01", m_year);
    return text;
}

std::string ReportPeriod::To() const {
    char text[16];
    if (Monthly()) std::snprintf(text, sizeof text, "%.4d-%.2d-31", m_year, m_month);
    else std::snprintf(text, sizeof text, "%.4d-12-31", m_year);
    return text;
}

std::string ReportPeriod::Label() const {
    char text[32];
    if (Monthly()) std::snprintf(text, sizeof text, "%.4d년%.2d월", m_year, m_month);
    else std::snprintf(text, sizeof text, "%d년", m_year);
    return text;
}
