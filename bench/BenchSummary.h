#pragma once
// The figures that close a benchmark run, one line each in a fixed form, so
// that two runs can be compared line by line. A figure whose benchmark was
// filtered out shows as "not measured".

#include <map>
#include <string>

class BenchSummary {
public:
    static void Record(const std::string& name, double value, const std::string& note = "");
    // The lines, in their fixed order.
    static void Print();

private:
    struct Figure {
        double value = 0;
        std::string note;
    };
    static std::map<std::string, Figure>& Figures();
};
