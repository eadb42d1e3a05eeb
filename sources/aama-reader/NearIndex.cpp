// Morvane AAMA DXF reader.
// The nearness rule of the format and a search for positions near a given one.
#include "sources/aama-reader/NearIndex.h"

namespace morvane {

bool isNear(double x1, double y1, double x2, double y2)
{
    return std::fabs(x1 - x2) < kAamaNearDistance && std::fabs(y1 - y2) < kAamaNearDistance;
}

void NearIndex::add(double x, double y, std::size_t id)
{
    // NaN would break the ordering, and is near nothing anyway.
    if (std::isnan(x) || std::isnan(y))
        return;
    m_entries.push_back({x, y, id});
}

void NearIndex::sort()
{
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry &a, const Entry &b) { return a.x < b.x; });
}

} // namespace morvane
