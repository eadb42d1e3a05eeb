// Morvane test support.
// Mask patterns made from outlines: one closed line each, through grade points at the vertices.
#pragma once

#include "model/GradeMask.h"
#include "model/MaskPattern.h"

#include <memory>
#include <vector>

/// Patterns made off a mask of their own, each with one closed line through new grade points at
/// an outline's vertices and the contour it makes; the contours are kept in the order added.
class OutlinePatterns
{
public:
    CMaskPattern &add(const std::vector<DPOINT> &outline)
    {
        m_patterns.push_back(m_mask.MakePattern());
        CMaskPattern &pattern = *m_patterns.back();
        CPtrCollection<CBasePoint> points;
        for (const DPOINT &p : outline)
            points.Add(pattern.GetBasePointAt(pattern.AddPoint(p, GRADE_POINT_GRADE)));
        points.Add(points.GetFirst());
        pattern.InsertNewPolyline(-1, GRADE_LINE_TYPE{}, points);
        pattern.BuildContours();
        m_contours.Add(pattern.GetContourAt(0));
        return pattern;
    }

    const CPtrCollection<CContour> &contours() const { return m_contours; }

private:
    CGradeMask m_mask;
    std::vector<std::unique_ptr<CMaskPattern>> m_patterns;
    CPtrCollection<CContour> m_contours;
};
