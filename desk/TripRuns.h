#pragma once
// Trips as the statistics count them: over rows sorted by group, date and
// trip number, a trip is a run of one trip number within one group. Two
// trips to one shop on one day count 2; a trip of five items counts 1.

#include <string>

class TripRuns {
public:
    // True when this row starts a trip: the first row, or a group or trip
    // number other than the row before.
    bool Starts(const std::string& group, const std::string& trip);

private:
    bool m_any = false;
    std::string m_group;
    std::string m_trip;
};
