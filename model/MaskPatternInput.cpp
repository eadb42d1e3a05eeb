// Morvane model library.
// A mask pattern made from an input pattern: its points, lines, notches and contours.
#include "model/GradeMask.h"
#include "model/MaskContour.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"
#include "model/MaskPolyline.h"
#include "model/Notch.h"

#include <vector>

using namespace morvane;

namespace {

/// A grade point of the input is taken for one already made when it lies this close.
constexpr double kSharedPointDistance = 0.25;

} // namespace

void CMaskPattern::CreateFromInput(const CPattern &input)
{
    int grade = 0;
    int other = 0;
    LastPointIds(grade, other);
    m_sName = m_pGradeMask != nullptr ? m_pGradeMask->GetValidPatternName(input.GetPatternName())
                                      : input.GetPatternName();
    m_oLocation.CopyFrom(input.GetPatternLocation());
    SetPivotPoint(input.GetPivotPoint());
    CopyMarkPoints(input, grade, other);
    for (int i = 0; i < input.GetPolylineCount(); ++i) {
        std::unique_ptr<CMaskPolyline> line =
            MakePolylineFrom(*input.GetPatternPolylineAt(i), grade, other);
        if (line->GetPointCount() < 2) {
            DropUnusedPointsOf(*line);
            continue;
        }
        m_oPolylines.AddOwned(std::move(line));
    }
    BuildContours();
    InvalidateGeometryAndRules();
}

void CMaskPattern::CopyMarkPoints(const CPattern &input, int &grade, int &other)
{
    for (int i = 0; i < input.GetMarkPointCount(); ++i) {
        const CBasePoint *mark = input.GetMarkPointAt(i);
        auto point = std::make_unique<CMaskPoint>();
        point->SetX(mark->GetX());
        point->SetY(mark->GetY());
        point->SetGradeType(mark->GetGradeType());
        point->SetPointID(mark->GetGradeType() == GRADE_POINT_GRADE ? ++grade : ++other);
        m_oMarkPoints.Add(GetBasePointAt(InsertBasePoint(std::move(point), -1)));
    }
}

std::unique_ptr<CMaskPolyline> CMaskPattern::MakePolylineFrom(const CPolyline &input, int &grade,
                                                              int &other)
{
    auto line = std::make_unique<CMaskPolyline>();
    line->Create(this, input.GetLineType());
    std::vector<DPOINT> shape;
    CPtrCollection<CBasePoint> shapePoints;
    input.GetShapeWithSliderPoints(nullptr, shape, &shapePoints, false);
    for (size_t k = 0; k < shape.size(); ++k) {
        const bool gradePoint = k < static_cast<size_t>(shapePoints.GetCount()) &&
                                shapePoints.GetAt(static_cast<int>(k)) != nullptr;
        CBasePoint *point = MakeShapePoint(TransformToRelative(shape[k]), gradePoint, grade, other);
        if (line->GetLastPoint() != point)
            line->AppendPoint(point);
    }
    for (int n = 0; n < input.GetNotchCount(); ++n) {
        const CNotch *notch = input.GetNotchAt(n);
        double dx = 0.0;
        double dy = 0.0;
        notch->GetDepth(nullptr, dx, dy);
        line->AddNotch(notch->GetCurveLength(nullptr), dx, dy);
    }
    return line;
}

// The grade point already made near own, or a new point there.
CBasePoint *CMaskPattern::MakeShapePoint(DPOINT own, bool gradePoint, int &grade, int &other)
{
    if (gradePoint) {
        const int existing = FindBasePoint(own, kSharedPointDistance, GRADE_POINT_GRADE);
        if (existing >= 0)
            return GetBasePointAt(existing);
    }
    auto point = std::make_unique<CMaskPoint>();
    point->SetX(own.x);
    point->SetY(own.y);
    point->SetGradeType(gradePoint ? GRADE_POINT_GRADE : GRADE_POINT_INTERMEDIATE);
    point->SetPointID(gradePoint ? ++grade : ++other);
    return GetBasePointAt(InsertBasePoint(std::move(point), -1));
}

// The points of a line that is not kept, unless some kept line or the marks use them.
void CMaskPattern::DropUnusedPointsOf(const CPolyline &line)
{
    for (int k = 0; k < line.GetPointCount(); ++k) {
        const CBasePoint *point = line.GetBasePointAt(k);
        const int index = FindBasePoint(point);
        if (index >= 0 && !IsUsedBasePoint(point))
            m_oBasePoints.DeleteAt(index);
    }
}
