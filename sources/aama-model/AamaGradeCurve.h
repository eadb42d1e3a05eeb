// Morvane AAMA grade model.
// A curve of an AAMA pattern: points of its pattern in curve order, with its notches.
#pragma once

#include "sources/aama-model/AamaGradePoint.h"
#include "sources/grade-model/IGradePattern.h"

#include <cstdint>
#include <span>
#include <vector>

/// A curve of an AAMA pattern: a run of its outline between turn points, or a line of a file
/// with a master size. It refers to points and notches of its pattern without owning them. Its
/// grade points are the points with a rule number; the others follow them into each size.
class CAamaGradeCurve : public IGradeCurve
{
public:
    CAamaGradeCurve() = default;
    ~CAamaGradeCurve() override = default;
    CAamaGradeCurve(const CAamaGradeCurve &) = delete;
    CAamaGradeCurve &operator=(const CAamaGradeCurve &) = delete;

    /// Every point in size: a grade point at its own position there, any other point but the
    /// first and the last interpolated between the grade points around it (or the curve's ends)
    /// by the rotation and scaling that carries their base positions onto their graded ones.
    /// The first and last points, when no grade points, keep their base positions. When size is
    /// no base size, an interpolated mark point also stores its position there.
    GM_ERROR GetShape(GradeSize size, std::vector<DPOINT> *points,
                      std::vector<int> *gradeIndex) override;
    GM_ERROR GetGradePointCount(int &count) override;
    CAamaGradePoint *GetGradePointAt(int index) override;
    GM_ERROR GetNotchCount(int &count) override;
    /// Null for an index out of range. Otherwise vector is the notch's vector, distance the
    /// distance along the shape in size from the first point to the notch point, and the result
    /// the notch point; kind is left as it is.
    CAamaGradePoint *GetNotchAt(int index, GradeSize size, DPOINT &vector, float &distance,
                                int &kind) override;

    /// Appends point; a point with a rule number also joins the grade points.
    void AddPoint(CAamaGradePoint *point);
    /// Appends points in order, as AddPoint does each, making room for them all at once.
    void AddPoints(std::span<CAamaGradePoint *const> points);
    /// Makes room for count more points.
    void ReservePoints(int count);
    /// Lists notch among the curve's notches; the first curve to list it holds it.
    void AddNotch(CAamaNotch *notch);
    /// Whether the curve holds notch (false for null).
    bool HoldsNotch(const CAamaNotch *notch) const
    {
        return notch != nullptr && notch->m_pCurve == this;
    }
    int GetPointCount() const { return static_cast<int>(m_oPoints.size()); }
    /// Point index in curve order; null for an index out of range.
    CAamaGradePoint *GetPointAt(int index) const;

    /// The line kind that the second reader gave the line; 0 otherwise.
    int32_t GetLineType() const { return m_nLineType; }
    void SetLineType(int32_t lineType) { m_nLineType = lineType; }
    /// Whether the curve is a straight line between its first and last point (an internal
    /// line of a file with a master size).
    bool IsStraightLine() const { return m_bStraightLine; }
    void SetStraightLine(bool straight) { m_bStraightLine = straight; }

private:
    std::vector<CAamaGradePoint *> m_oGradePoints;
    std::vector<CAamaGradePoint *> m_oPoints;
    std::vector<CAamaNotch *> m_oNotches;
    int32_t m_nLineType = 0;
    bool m_bStraightLine = false;
};
