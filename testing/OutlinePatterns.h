// Morvane test support.
// Mask patterns made from outlines: one closed line each, through grade points at the vertices.
#pragma once

#include "model/GradeMask.h"
#include "model/MaskPattern.h"

#include <memory>
#include <vector>

/// A pattern made off the mask (not placed on it) with one closed line through new grade points
/// at the outline's vertices, and the contour it makes.
inline std::unique_ptr<CMaskPattern> makeOutlinePattern(CGradeMask &mask,
                                                        const std::vector<DPOINT> &outline)
{
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    CPtrCollection<CBasePoint> points;
    for (const DPOINT &p : outline)
        points.Add(pattern->GetBasePointAt(pattern->AddPoint(p, GRADE_POINT_GRADE)));
    points.Add(points.GetFirst());
    pattern->InsertNewPolyline(-1, GRADE_LINE_TYPE{}, points);
    pattern->BuildContours();
    return pattern;
}

/// Patterns made off a mask of their own, each with one closed line through new grade points at
/// an outline's vertices and the contour it makes; the contours are kept in the order added.
class OutlinePatterns
{
public:
    CMaskPattern &add(const std::vector<DPOINT> &outline)
    {
        m_patterns.push_back(makeOutlinePattern(m_mask, outline));
        m_contours.Add(m_patterns.back()->GetContourAt(0));
        return *m_patterns.back();
    }

    /// The patterns, in the order added.
    CPtrCollection<CPattern> patterns() const
    {
        CPtrCollection<CPattern> all;
        for (const auto &pattern : m_patterns)
            all.Add(pattern.get());
        return all;
    }

    const CPtrCollection<CContour> &contours() const { return m_contours; }

private:
    CGradeMask m_mask;
    std::vector<std::unique_ptr<CMaskPattern>> m_patterns;
    CPtrCollection<CContour> m_contours;
};
