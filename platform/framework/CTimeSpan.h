#pragma once
// A length of time in seconds.

#include <ctime>

class CTimeSpan {
public:
    explicit CTimeSpan(std::time_t seconds = 0) : m_seconds(seconds) {}
    CTimeSpan(long days, int hours, int minutes, int seconds)
        : m_seconds(((static_cast<std::time_t>(days) * 24 + hours) * 60 + minutes) * 60 + seconds) {}
    std::time_t GetTotalSeconds() const { return m_seconds; }

private:
    std::time_t m_seconds;
};
