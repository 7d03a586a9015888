#include "desk/TripRuns.h"

bool TripRuns::Starts(const std::string& group, const std::string& trip) {
    bool starts = !m_any || group != m_group || trip != m_trip;
    m_any = true;
    m_group = group;
    m_trip = trip;
    return starts;
}
