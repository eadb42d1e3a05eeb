// Morvane model library.
// The abstract line of a pattern: its points, notches and every geometric question about it.
#include "model/Polyline.h"

#include "foundation/Geometry.h"
#include "foundation/SegmentShape.h"
#include "model/BasePoint.h"
#include "model/Notch.h"
#include "model/Pattern.h"

#include <algorithm>
#include <cmath>

using namespace morvane;

static const CRuntimeClass kPolylineClass("CPolyline", nullptr, CMvItem::GetThisClass());

const CRuntimeClass *CPolyline::GetThisClass()
{
    return &kPolylineClass;
}

namespace {

/// The segment of a shape nearest to a position and the foot on it.
struct NearestSegment
{
    int index = -1;
    DPOINT foot;
};

} // namespace

// The first segment, or one whose clamped foot lies strictly nearer; the shape has at least two
// points.
static NearestSegment findNearestSegment(const std::vector<DPOINT> &shape, const DPOINT &p)
{
    NearestSegment best;
    double bestDistance = 0.0;
    for (size_t k = 0; k + 1 < shape.size(); ++k) {
        const DPOINT &a = shape[k];
        const DPOINT &b = shape[k + 1];
        const DPOINT foot = ProjectPointOnSegment(p.x, p.y, a.x, a.y, b.x, b.y);
        const double distance = GetDPointDistance(foot, p);
        if (best.index < 0 || distance < bestDistance) {
            best = {static_cast<int>(k), foot};
            bestDistance = distance;
        }
    }
    return best;
}

// The unit vector of the direction from `from` to `to` ((1, 0) where they coincide).
static CVector unitDirection(const DPOINT &from, const DPOINT &to)
{
    return CVector(std::atan2(to.y - from.y, to.x - from.x));
}

// The first shape index whose index entry is position; -1 when none.
static int findShapeIndex(const std::vector<int> &indexes, int position)
{
    if (position < 0)
        return -1;
    for (size_t j = 0; j < indexes.size(); ++j) {
        if (indexes[j] == position)
            return static_cast<int>(j);
    }
    return -1;
}

CPolyline::CPolyline()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
}

CPolyline::~CPolyline() = default;

int CPolyline::GetGradePlaceCount(const IGradeSize *size)
{
    GetShape(size, m_aGradePlaces, nullptr);
    return static_cast<int>(m_aGradePlaces.size());
}

void CPolyline::GetGradePlaceAt(const IGradeSize *, int i, double &x, double &y) const
{
    const DPOINT &place = m_aGradePlaces.at(static_cast<size_t>(i));
    x = place.x;
    y = place.y;
}

IMaskPolyline *CPolyline::GetMaskPolyline()
{
    return nullptr;
}

int CPolyline::GetNotchCount() const
{
    return m_oNotches.GetCount();
}

CNotch *CPolyline::GetNotchAt(int i) const
{
    return m_oNotches.GetAt(i);
}

int CPolyline::GetPointCount() const
{
    return m_oBasePoints.GetCount();
}

CBasePoint *CPolyline::GetBasePointAt(int i) const
{
    return m_oBasePoints.GetAt(i);
}

void CPolyline::GetShapeWithSliderPoints(const IGradeSize *size, std::vector<DPOINT> &shape,
                                         CPtrCollection<CBasePoint> *points, bool allSliders) const
{
    std::vector<int> indexes;
    GetShape(size, shape, &indexes);
    if (points != nullptr) {
        points->RemoveAll();
        for (size_t k = 0; k < shape.size(); ++k) {
            const int position = k < indexes.size() ? indexes[k] : -1;
            points->Add(position >= 0 ? GetBasePointAt(position) : nullptr);
        }
    }
    if (shape.size() < 2)
        return;
    CPtrCollection<CBasePoint> sliders;
    if (allSliders)
        AppendSliderGradePoints(sliders);
    else
        AppendTopSliderGradePoints(sliders);
    for (CBasePoint *slider : sliders) {
        const NearestSegment nearest = findNearestSegment(shape, slider->GetPosition(size));
        shape.insert(shape.begin() + nearest.index + 1, nearest.foot);
        if (points != nullptr)
            points->InsertAt(nearest.index + 1, slider);
    }
}

DPOINT CPolyline::GetAbsCurvePoint(const IGradeSize *size, double length) const
{
    std::vector<DPOINT> shape;
    GetShape(size, shape, nullptr);
    DPOINT point;
    CSegmentShape(shape).GetPointAt(point, length);
    return point;
}

void CPolyline::Create(CPattern *owner, GRADE_LINE_TYPE type)
{
    m_pOwner = owner;
    m_eLineType = type;
}

int CPolyline::GetPointAt(int i) const
{
    return m_pOwner != nullptr ? m_pOwner->FindBasePoint(GetBasePointAt(i)) : -1;
}

int CPolyline::FindBasePoint(const CBasePoint *point) const
{
    for (int i = 0; i < GetPointCount(); ++i) {
        if (GetBasePointAt(i) == point)
            return i;
    }
    return -1;
}

bool CPolyline::ContaintsShapePoint(const CBasePoint *point) const
{
    return FindBasePoint(point) >= 0;
}

bool CPolyline::IsUsedBasePoint(const CBasePoint *point) const
{
    return m_oBasePoints.Find(point) >= 0;
}

CBasePoint *CPolyline::GetFirstPoint() const
{
    return GetPointCount() > 0 ? GetBasePointAt(0) : nullptr;
}

CBasePoint *CPolyline::GetLastPoint() const
{
    const int count = GetPointCount();
    return count > 0 ? GetBasePointAt(count - 1) : nullptr;
}

bool CPolyline::ContaintsEndShapePoint(const CBasePoint *point) const
{
    return point != nullptr && (point == GetFirstPoint() || point == GetLastPoint());
}

int CPolyline::GetPrevGradePoint(int i) const
{
    for (int k = std::min(i, GetPointCount()) - 1; k >= 0; --k) {
        if (GetBasePointAt(k)->GetGradeType() == GRADE_POINT_GRADE)
            return k;
    }
    return -1;
}

int CPolyline::GetNextGradePoint(int i) const
{
    const int count = GetPointCount();
    for (int k = std::max(i + 1, 0); k < count; ++k) {
        if (GetBasePointAt(k)->GetGradeType() == GRADE_POINT_GRADE)
            return k;
    }
    return count - 1;
}

void CPolyline::AppendGradePonts(CPtrCollection<CBasePoint> &out) const
{
    for (int i = 0; i < GetPointCount(); ++i) {
        CBasePoint *point = GetBasePointAt(i);
        if (point->GetGradeType() == GRADE_POINT_GRADE)
            out.Add(point);
    }
}

void CPolyline::AppendBasePonts(CPtrCollection<CBasePoint> &out) const
{
    for (int i = 0; i < GetPointCount(); ++i)
        out.Add(GetBasePointAt(i));
}

void CPolyline::AppendTopSliderGradePoints(CPtrCollection<CBasePoint> &out) const
{
    if (m_pOwner == nullptr)
        return;
    for (int i = 0; i < m_pOwner->GetBasePointCount(); ++i) {
        CBasePoint *point = m_pOwner->GetBasePointAt(i);
        CPolyline *line = nullptr;
        if (point->IsSliderPoint() && point->FindSliderPoint(line) != nullptr && line == this)
            out.Add(point);
    }
}

void CPolyline::AppendSliderGradePoints(CPtrCollection<CBasePoint> &out) const
{
    if (m_pOwner == nullptr)
        return;
    for (int i = 0; i < m_pOwner->GetBasePointCount(); ++i) {
        CPolyline *line = nullptr;
        CBasePoint *slider = m_pOwner->GetBasePointAt(i)->FindSliderPoint(line);
        if (slider != nullptr && line == this)
            out.Add(slider);
    }
}

int CPolyline::FindNotch(const CNotch *notch) const
{
    return m_oNotches.Find(notch);
}

std::string CPolyline::GetName() const
{
    const int count = GetPointCount();
    const std::string first = count > 0 ? GetBasePointAt(0)->GetFormatName() : "?";
    const std::string last = count > 1 ? GetBasePointAt(count - 1)->GetFormatName() : "?";
    return first + "-" + last;
}

double CPolyline::GetLength(const IGradeSize *size) const
{
    double length = 0.0;
    for (int i = 0; i + 1 < GetPointCount(); ++i) {
        length += GetDPointDistance(GetBasePointAt(i)->GetPosition(size),
                                    GetBasePointAt(i + 1)->GetPosition(size));
    }
    return length;
}

double CPolyline::GetDistance(const CBasePoint *point, bool toStart) const
{
    const int position = FindBasePoint(point);
    if (position < 0)
        return 0.0;
    const int end = toStart ? 0 : GetPointCount() - 1;
    const int step = toStart ? -1 : 1;
    double distance = 0.0;
    for (int i = position; i != end; i += step) {
        const CBasePoint *here = GetBasePointAt(i);
        const CBasePoint *next = GetBasePointAt(i + step);
        distance += std::hypot(next->GetX() - here->GetX(), next->GetY() - here->GetY());
    }
    return distance;
}

bool CPolyline::IsClosed(double tolerance) const
{
    std::vector<DPOINT> shape;
    GetShapeOrigPos(shape, nullptr);
    return shape.size() > 1 &&
           IsNearPoint(shape.front().x, shape.front().y, shape.back().x, shape.back().y, tolerance);
}

CVector CPolyline::GetVector(const CBasePoint *point, bool forward, const IGradeSize *size) const
{
    std::vector<DPOINT> shape;
    std::vector<int> indexes;
    GetShape(size, shape, &indexes);
    const int j = findShapeIndex(indexes, FindBasePoint(point));
    if (shape.size() < 2 || j < 0 || static_cast<size_t>(j) >= shape.size())
        return CVector();
    const DPOINT p = point->GetPosition(size);
    const int last = static_cast<int>(shape.size()) - 1;
    if (j == 0)
        return forward ? unitDirection(p, shape[1]) : unitDirection(shape[1], p);
    if (j == last)
        return forward ? unitDirection(shape[last - 1], p) : unitDirection(p, shape[last - 1]);
    return unitDirection(p, shape[static_cast<size_t>(forward ? j + 1 : j - 1)]);
}

CVector CPolyline::GetExtendVector(const CBasePoint *point, bool forward) const
{
    std::vector<DPOINT> shape;
    std::vector<int> indexes;
    GetShape(nullptr, shape, &indexes);
    const int j = findShapeIndex(indexes, FindBasePoint(point));
    if (shape.size() < 2 || j < 0 || static_cast<size_t>(j) >= shape.size())
        return CVector();
    const int last = static_cast<int>(shape.size()) - 1;
    int neighbour = forward ? j - 1 : j + 1;
    if (j == 0)
        neighbour = 1;
    else if (j == last)
        neighbour = last - 1;
    return unitDirection(shape[static_cast<size_t>(neighbour)], point->GetPosition(nullptr));
}

CBasePoint *CPolyline::GetNearestGradePoint(DPOINT p, double &distance) const
{
    CBasePoint *best = nullptr;
    double bestDistance = 0.0;
    for (int i = 0; i < GetPointCount(); ++i) {
        CBasePoint *point = GetBasePointAt(i);
        if (point->GetGradeType() != GRADE_POINT_GRADE)
            continue;
        const double d = GetDPointDistance(point->GetAbsPosition(), p);
        if (best == nullptr || d < bestDistance) {
            best = point;
            bestDistance = d;
        }
    }
    if (best != nullptr)
        distance = bestDistance;
    return best;
}

void CPolyline::GetNearestGradePoints(DPOINT p, CBasePoint *&before, CBasePoint *&after) const
{
    before = nullptr;
    after = nullptr;
    std::vector<DPOINT> shape;
    std::vector<int> indexes;
    GetShape(nullptr, shape, &indexes);
    if (shape.size() < 2)
        return;
    const int k = findNearestSegment(shape, p).index;
    const int count = static_cast<int>(std::min(shape.size(), indexes.size()));
    for (int j = k + 1; j < count && after == nullptr; ++j) {
        if (indexes[static_cast<size_t>(j)] >= 0)
            after = GetBasePointAt(indexes[static_cast<size_t>(j)]);
    }
    for (int j = std::min(k, count - 1); j >= 0 && before == nullptr; --j) {
        if (indexes[static_cast<size_t>(j)] >= 0)
            before = GetBasePointAt(indexes[static_cast<size_t>(j)]);
    }
}
