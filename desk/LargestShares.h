#pragma once
// The few largest of many amounts, for a chart that cannot tell forty
// colours apart: the `most` - 1 largest keep their names, in their own order,
// and the rest are summed as one last part, "그 밖" (the others). With at most
// `most` amounts, all keep their names. Shares are of the sum of all.

#include <string>
#include <vector>

class LargestShares {
public:
    struct Part {
        std::string name;
        long long amount = 0;
        bool others = false;  // the sum of the rest
    };
    static constexpr const char* kOthers = "그 밖";

    static std::vector<Part> Of(const std::vector<Part>& parts, size_t most);
    // "12.5": a share in percent with one decimal; "0.0" of a total of 0.
    static std::string Percent(long long amount, long long total);
};
