#include "desk/TripRuns.h"

bool TripRuns::Starts(const std::string& group, const std::string& trip) {
    bool starts = !m_bAny || group != m_group || trip != m_trip;
    m_bAny = true;
    m_group = group;
    m_trip = trip;
    return starts;
}
