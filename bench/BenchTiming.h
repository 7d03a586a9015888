#pragma once
// The clock and the median every benchmark of the project times with.

#include <algorithm>
#include <chrono>
#include <vector>

namespace BenchTiming {

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The middle sample, or the mean of the two middle ones; 0 for none.
inline double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

} // namespace BenchTiming
