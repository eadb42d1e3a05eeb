// Morvane AAMA DXF reader.
// The nearness rule of the format and a search for positions near a given one.
#include "sources/aama-reader/NearIndex.h"

#include <algorithm>
#include <bit>

namespace morvane {

NearGrid::NearGrid(std::size_t count, double distance)
    : m_mask(std::bit_ceil(std::max<std::size_t>(count, 1)) - 1)
    , m_distance(distance)
    , m_cellsPerUnit(1.0 / (16 * distance))
{
}

void NearIndex::add(double x, double y, std::size_t id)
{
    // A position off the finite plane is near nothing.
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    m_added.push_back({x, y, id});
}

void NearIndex::build()
{
    m_grid = NearGrid(m_added.size(), m_distance);
    // Counting sort by bucket.
    m_bucketStart.assign(m_grid.bucketCount() + 1, 0);
    std::vector<std::size_t> buckets(m_added.size());
    for (std::size_t i = 0; i < m_added.size(); ++i) {
        buckets[i] = m_grid.bucketOf(m_added[i].x, m_added[i].y);
        ++m_bucketStart[buckets[i] + 1];
    }
    for (std::size_t bucket = 1; bucket < m_bucketStart.size(); ++bucket)
        m_bucketStart[bucket] += m_bucketStart[bucket - 1];
    m_entries.resize(m_added.size());
    std::vector<std::size_t> next(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (std::size_t i = 0; i < m_added.size(); ++i)
        m_entries[next[buckets[i]]++] = m_added[i];
    m_added = {};
}

} // namespace morvane
