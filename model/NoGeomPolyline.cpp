// Morvane model library.
// The line of an input pattern: a curve of the grade model, its shape asked and cached per size.
#include "model/NoGeomPolyline.h"

#include "foundation/Geometry.h"
#include "foundation/SegmentShape.h"
#include "foundation/ShapeDistance.h"
#include "model/Contour.h"
#include "model/GradeSourceQueries.h"
#include "model/InputNotch.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MorvaneException.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace morvane;

static GradeSizeKey cacheKeyOf(GradeSize key)
{
    return {key.table, key.size};
}

// Drops, scanning from the last point to the first, every point closer than the limit to the
// next kept one; the first point goes only once two points are kept. Index entries (when there
// is one per point) go with their points.
static void dropClosePoints(std::vector<DPOINT> &shape, std::vector<int> &indexes, double limit)
{
    const bool withIndexes = !indexes.empty();
    std::vector<DPOINT> kept;
    std::vector<int> keptIndexes;
    for (size_t i = shape.size(); i-- > 0;) {
        const bool removable = i > 0 || kept.size() >= 2;
        if (!kept.empty() && removable && GetDPointDistance(shape[i], kept.back()) < limit)
            continue;
        kept.push_back(shape[i]);
        if (withIndexes)
            keptIndexes.push_back(indexes[i]);
    }
    std::reverse(kept.begin(), kept.end());
    std::reverse(keptIndexes.begin(), keptIndexes.end());
    shape = std::move(kept);
    indexes = std::move(keptIndexes);
}

// Turns the curve's grade-point indexes into positions in the line.
static void toLinePositions(std::vector<int> &indexes, const std::vector<int> &positions)
{
    for (int &index : indexes) {
        const bool known = index >= 0 && static_cast<size_t>(index) < positions.size();
        index = known ? positions[static_cast<size_t>(index)] : -1;
    }
}

CNoGeomPolyline::CNoGeomPolyline() = default;

CNoGeomPolyline::~CNoGeomPolyline() = default;

void CNoGeomPolyline::Create(IGradeCurve *curve, CInputPattern *owner)
{
    m_pGradeCurve = curve;
    m_pInputPattern = owner;
    SetOwner(owner);
    if (curve == nullptr)
        return;
    if (owner != nullptr) {
        for (const IGradePoint *gradePoint : gradePointsOf(*curve)) {
            const int index = owner->FindInputPoint(gradePoint);
            m_aGradePointPositions.push_back(
                index >= 0 ? m_oBasePoints.Add(owner->GetBasePointAt(index)) : -1);
        }
    }
    const int notchCount = notchCountOf(*curve);
    for (int i = 0; i < notchCount; ++i) {
        auto notch = std::make_unique<CInputNotch>();
        notch->Create(this);
        m_oNotches.AddOwned(std::move(notch));
    }
}

int CNoGeomPolyline::GetPointCount() const
{
    UpdateLinePointsIfNeeded();
    return ServedPoints().GetCount();
}

CBasePoint *CNoGeomPolyline::GetBasePointAt(int i) const
{
    UpdateLinePointsIfNeeded();
    return ServedPoints().GetAt(i);
}

void CNoGeomPolyline::GetShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                               std::vector<int> *indexes) const
{
    GradeSize key;
    GetGradeSize(size, key);
    const CPolylinePoints &entry = GetPolylinePoints(key);
    if (m_pInputPattern != nullptr)
        m_pInputPattern->TransformToAbsolute(entry.shape, shape);
    else
        shape = entry.shape;
    if (indexes != nullptr)
        *indexes = entry.lineIndexes;
}

void CNoGeomPolyline::GetShapeOrigPos(std::vector<DPOINT> &shape, std::vector<int> *indexes) const
{
    const CPolylinePoints &entry = GetPolylinePoints(GradeSize{});
    shape = entry.shape;
    if (indexes != nullptr)
        *indexes = entry.lineIndexes;
}

void CNoGeomPolyline::Invalidate()
{
    m_oShapeCache.clear();
    m_oLinePoints.RemoveAll();
}

bool CNoGeomPolyline::GetGradeSize(const IGradeSize *size, GradeSize &key)
{
    key = GradeSize{};
    if (size == nullptr || size->GetGradeTableCount() < 1)
        return false;
    key = {size->GetGradeTableAt(0), size->GetGradeSizeAt(0)};
    return true;
}

CBasePoint *CNoGeomPolyline::GetSliderPoint(IGradePoint *gradePoint) const
{
    if (gradePoint == nullptr || m_pInputPattern == nullptr || m_pGradeCurve == nullptr)
        return nullptr;
    const SliderInfo slider = sliderInfoOf(*gradePoint);
    if (!slider.isSlider || slider.curve != m_pGradeCurve)
        return nullptr;
    for (int i = 0; i < m_pInputPattern->GetBasePointCount(); ++i) {
        if (CInputPoint *point = m_pInputPattern->GetInputPointAt(i)->FindPointOf(gradePoint))
            return point;
    }
    return nullptr;
}

double CNoGeomPolyline::GetSliderDistanceValue(CBasePoint *point, int table, int size) const
{
    IInputPoint *input = point != nullptr ? point->GetInputPoint() : nullptr;
    IInputPoint *linked = input != nullptr ? input->GetLinkedPoint() : nullptr;
    if (linked == nullptr)
        return 0.0;
    CSimpleGradeSize gradeSize;
    gradeSize.Create(table, size);

    std::vector<DPOINT> measuringLine;
    bool closed = false;
    bool reversed = false;
    int lineIndex = -1;
    const int contour =
        m_pInputPattern != nullptr ? m_pInputPattern->FindContour(this, reversed, lineIndex) : -1;
    if (contour >= 0) {
        const CContour *holder = m_pInputPattern->GetContourAt(contour);
        holder->GetOutContour(&measuringLine, static_cast<CPtrCollection<CBasePoint> *>(nullptr),
                              nullptr, &gradeSize, false, true, true);
        closed = holder->IsClosed();
    } else {
        GetShapeWithSliderPoints(&gradeSize, measuringLine, nullptr, false);
    }

    const CSegmentShape shape(measuringLine);
    const double toAnchor =
        CShapeDistance(&shape, linked->GetBasePoint()->GetPosition(&gradeSize)).GetDistance();
    const double toPoint = CShapeDistance(&shape, point->GetPosition(&gradeSize)).GetDistance();
    const double value = toPoint - toAnchor;
    const double length = shape.GetLength();
    // The other way round a closed line is shorter; it runs in the opposite direction.
    if (closed && std::fabs(value) > length * 0.5)
        return value - std::copysign(length, value);
    return value;
}

const CNoGeomPolyline::CPolylinePoints &CNoGeomPolyline::GetPolylinePoints(GradeSize key) const
{
    const auto cached = m_oShapeCache.find(cacheKeyOf(key));
    if (cached != m_oShapeCache.end())
        return cached->second;
    // Built aside and cached only when complete: a critical error leaves the cache as it was.
    CPolylinePoints entry;
    entry.key = key;
    GetCurveShape(entry);
    if (entry.lineIndexes.size() < entry.shape.size())
        SetPointLineIndices(entry);
    else
        toLinePositions(entry.lineIndexes, m_aGradePointPositions);
    return m_oShapeCache.insert_or_assign(cacheKeyOf(key), std::move(entry)).first->second;
}

void CNoGeomPolyline::GetCurveShape(CPolylinePoints &entry) const
{
    if (m_pGradeCurve == nullptr)
        return;
    std::vector<DPOINT> shape;
    std::vector<int> indexes;
    CMorvaneException::HandleCriticalError(m_pGradeCurve->GetShape(entry.key, &shape, &indexes));
    const DPOINT origin = m_pInputPattern != nullptr ? m_pInputPattern->GetOrigin() : DPOINT{};
    for (DPOINT &point : shape) {
        point.x -= origin.x;
        point.y -= origin.y;
    }
    // Only an entry per point tells which point each entry belongs to.
    if (indexes.size() != shape.size())
        indexes.clear();
    dropClosePoints(shape, indexes, kShapePointDistance);
    entry.shape = std::move(shape);
    entry.lineIndexes = std::move(indexes);
}

void CNoGeomPolyline::UpdateLinePointsIfNeeded() const
{
    if (m_oBasePoints.GetCount() == 0 && m_oShapeCache.count(GradeSizeKey{}) == 0)
        GetPolylinePoints(GradeSize{});
}

const CPtrCollection<CBasePoint> &CNoGeomPolyline::ServedPoints() const
{
    return m_oBasePoints.GetCount() > 0 ? m_oBasePoints : m_oLinePoints;
}
