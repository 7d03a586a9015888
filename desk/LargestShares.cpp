#include "desk/LargestShares.h"

#include <algorithm>
#include <cstdio>

std::vector<LargestShares::Part> LargestShares::Of(const std::vector<Part>& parts, size_t most) {
    if (parts.size() <= most || most == 0) return parts;
    std::vector<size_t> order(parts.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    // Ties keep the earlier name, so the choice is the same every time.
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return parts[a].amount > parts[b].amount; });
    std::vector<bool> kept(parts.size(), false);
    for (size_t i = 0; i + 1 < most; ++i) kept[order[i]] = true;
    std::vector<Part> largest;
    Part rest{kOthers, 0, true};
    for (size_t i = 0; i < parts.size(); ++i) {
        if (kept[i]) largest.push_back(parts[i]);
        else rest.amount += parts[i].amount;
    }
    largest.push_back(rest);
    return largest;
}

std::string LargestShares::Percent(long long amount, long long total) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", total > 0 ? 100.0 * static_cast<double>(amount) / static_cast<double>(total) : 0.0);
    return text;
}
