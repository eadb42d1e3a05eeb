// Morvane model library.
// One computed outline of a contour: positions with the base points that lie there.
#pragma once

#include "foundation/DPoint.h"

#include <vector>

class CBasePoint;

/// An outline: the positions in order, and for each the base point that lies there (null where
/// none) and whether it came from a contour line that runs backward (1) or not (0).
struct ContourData
{
    std::vector<DPOINT> m_aPoints;
    std::vector<CBasePoint *> m_aBasePoints;
    std::vector<int> m_aBackwardFlags;
    /// False until computed and after every invalidation (for the contour's caches).
    bool m_bValid = false;

    int GetCount() const { return static_cast<int>(m_aPoints.size()); }
    void Append(const DPOINT &point, CBasePoint *basePoint, int backward)
    {
        m_aPoints.push_back(point);
        m_aBasePoints.push_back(basePoint);
        m_aBackwardFlags.push_back(backward);
    }
    void RemoveLast()
    {
        m_aPoints.pop_back();
        m_aBasePoints.pop_back();
        m_aBackwardFlags.pop_back();
    }
};
