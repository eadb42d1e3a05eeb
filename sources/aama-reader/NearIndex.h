// Morvane AAMA DXF reader.
// The nearness rule of the format and a search for positions near a given one.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace morvane {

/// The distance below which two coordinates count as equal.
inline constexpr double kAamaNearDistance = 0.001;

/// Two positions are near each other when both |dx| and |dy| are below 0.001 (strictly).
/// A position with a NaN coordinate is near nothing.
bool isNear(double x1, double y1, double x2, double y2);

/// Positions, each with a caller's id, searched for those near a given position in
/// O(log n + matches). Add all positions, then call sort() once before searching.
class NearIndex
{
public:
    void reserve(std::size_t count) { m_entries.reserve(count); }
    void add(double x, double y, std::size_t id);
    void sort();

    /// Calls visit(id) for every position near (x, y), in no particular order.
    template <typename Visit> void forEachNear(double x, double y, Visit visit) const
    {
        if (std::isnan(x) || std::isnan(y))
            return;
        auto entry = std::lower_bound(m_entries.begin(), m_entries.end(), x - kAamaNearDistance,
                                      [](const Entry &e, double value) { return e.x < value; });
        for (; entry != m_entries.end() && entry->x <= x + kAamaNearDistance; ++entry) {
            if (isNear(entry->x, entry->y, x, y))
                visit(entry->id);
        }
    }

private:
    struct Entry
    {
        double x;
        double y;
        std::size_t id;
    };
    std::vector<Entry> m_entries;
};

} // namespace morvane
