#include "bench/BenchSummary.h"

#include <cstdio>

namespace {

struct Line {
    const char* name;
    const char* format;  // of the value
    const char* unit;
};

const Line kLines[] = {
    {"fill ratio", "%.2f", ""},
    {"payment of 100 items", "%.1f", " ms"},
    {"undo of a trip", "%.1f", " ms"},
    {"slowest screen at ten years", "%.1f", " ms"},
    {"postgresql slowest screen at ten years", "%.1f", " ms"},
    {"postgresql payment of 100 items", "%.1f", " ms"},
    {"unpaid list growth 6k to 60k paid", "%.2f", ""},
    {"backup of ten years", "%.1f", " ms"},
    {"export of ten years", "%.1f", " ms"},
    {"longest backup step at ten years", "%.1f", " ms"},
    {"basket by shop at ten years", "%.1f", " ms"},
    {"companion refresh", "%.2f", " ms"},
    {"slowest chart at ten years", "%.1f", " ms"},
    {"report growth 60k to 600k paid", "%.2f", ""},
};

} // namespace

std::map<std::string, BenchSummary::Figure>& BenchSummary::Figures() {
    static std::map<std::string, Figure> figures;
    return figures;
}

void BenchSummary::Record(const std::string& name, double value, const std::string& note) {
    Figures()[name] = Figure{value, note};
}

void BenchSummary::Print() {
    for (const Line& line : kLines) {
        auto found = Figures().find(line.name);
        if (found == Figures().end()) {
            std::printf("%s: not measured\n", line.name);
            continue;
        }
        std::printf("%s: ", line.name);
        std::printf(line.format, found->second.value);
        std::printf("%s", line.unit);
        if (!found->second.note.empty()) std::printf(" (%s)", found->second.note.c_str());
        std::printf("\n");
    }
}
