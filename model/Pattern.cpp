// Morvane model library.
// A pattern piece: its points, polylines and contours, its place on the mask and its searches.
#include "model/Pattern.h"

#include "foundation/Geometry.h"
#include "model/Notch.h"

#include <cmath>

using namespace morvane;

static const CRuntimeClass kPatternClass("CPattern", nullptr, CMvItem::GetThisClass());

const CRuntimeClass *CPattern::GetThisClass()
{
    return &kPatternClass;
}

CPattern::CPattern()
    : m_oLocation(this)
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AttachSink(m_oPolylines);
    AttachSink(m_oBasePoints);
    AttachSink(m_oContours);
    m_oLocation.SetParent(reinterpret_cast<uintptr_t>(&m_oLocation), this);
}

CPattern::~CPattern()
{
    m_oContours.RemoveAll();
    m_oBasePoints.RemoveAll();
    m_oPolylines.RemoveAll();
}

void CPattern::SendAttached(uint32_t id, uintptr_t object)
{
    ForgetPointIndexes();
    CEventHandler::SendAttached(id, object);
}

void CPattern::SendDetached(uint32_t id, uintptr_t object)
{
    ForgetPointIndexes();
    CEventHandler::SendDetached(id, object);
}

std::string CPattern::GetFormatAssPatternNames()
{
    CPtrCollection<CPattern> patterns;
    GetAssPatterns(patterns);
    std::string names;
    for (const CPattern *pattern : patterns) {
        if (!names.empty())
            names += ",";
        names += pattern->GetPatternName();
    }
    return names;
}

void CPattern::SetAssPattern(CPattern *pattern)
{
    ClearAssPatterns();
    if (pattern != nullptr)
        AddAssPattern(pattern);
}

IInputPattern *CPattern::GetInputPattern()
{
    return nullptr;
}

IMaskPattern *CPattern::GetMaskPattern()
{
    return nullptr;
}

IMaskPoint *CPattern::FindAssociationPoint(const CBasePoint *)
{
    return nullptr;
}

IPatternLocation *CPattern::GetPatternLocation() const
{
    return const_cast<CPatternLocation *>(&m_oLocation);
}

void CPattern::SetPatternLocation(double x, double y, double angleDegrees, bool flipped)
{
    GetPatternLocation()->Set({x, y}, angleDegrees, flipped);
}

int CPattern::FindBasePoint(const CBasePoint *point) const
{
    const auto cached = m_oPointIndexCache.find(point);
    if (cached != m_oPointIndexCache.end())
        return cached->second;
    const int index = m_oBasePoints.Find(point);
    if (index >= 0)
        m_oPointIndexCache.emplace(point, index);
    return index;
}

CBasePoint *CPattern::GetGradePointAt(int i) const
{
    UpdateGradePoints();
    return m_oGradePoints.GetAt(i);
}

int CPattern::GetGradePointCount() const
{
    UpdateGradePoints();
    return m_oGradePoints.GetCount();
}

int CPattern::GetMarkPointCount() const
{
    return m_oMarkPoints.GetCount();
}

CBasePoint *CPattern::GetMarkPointAt(int i) const
{
    return m_oMarkPoints.GetAt(i);
}

CBasePoint *CPattern::GetBasePointAt(int i) const
{
    return m_oBasePoints.GetAt(i);
}

int CPattern::GetBasePointCount() const
{
    return m_oBasePoints.GetCount();
}

bool CPattern::IsMaskPattern()
{
    return GetMaskPattern() != nullptr;
}

int CPattern::GetAssociatedPoints(CPtrCollection<CBasePoint> *)
{
    return 0;
}

void CPattern::GetGradePlace(const IGradeSize *, double &x, double &y)
{
    const DPOINT position = GetPatternLocation()->GetPosition();
    x = position.x + m_oPivotPoint.x;
    y = position.y + m_oPivotPoint.y;
}

int CPattern::GetPolylineCount() const
{
    return m_oPolylines.GetCount();
}

CPolyline *CPattern::GetPatternPolylineAt(int i) const
{
    return m_oPolylines.GetAt(i);
}

DPOINT CPattern::TransformToAbsolute(const DPOINT &own) const
{
    const IPatternLocation *location = GetPatternLocation();
    return CDPoint(own).TransformToAbsolute(location->GetPosition(), location->GetRotAngle(true),
                                            location->IsFlipped(), false);
}

void CPattern::TransformToAbsolute(const std::vector<DPOINT> &own,
                                   std::vector<DPOINT> &placed) const
{
    const IPatternLocation *location = GetPatternLocation();
    const DPOINT position = location->GetPosition();
    const double angle = location->GetRotAngle(true);
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    const bool flipped = location->IsFlipped();
    placed.resize(own.size());
    for (size_t i = 0; i < own.size(); ++i) {
        CDPoint point(own[i]);
        if (flipped)
            point.MirrorY();
        point.RotateCosSin(cosine, sine);
        point += position;
        placed[i] = point.GetDPoint();
    }
}

DPOINT CPattern::TransformToRelative(const DPOINT &absolute) const
{
    const IPatternLocation *location = GetPatternLocation();
    return CDPoint(absolute).TransformToRelative(
        location->GetPosition(), location->GetRotAngle(true), location->IsFlipped(), false);
}

// Widens rect by the positions of the grade points, the polyline shapes and the notch tips for
// one size.
static void includeGeometry(const CPattern &pattern, const IGradeSize *size, CDRect &rect)
{
    for (int i = 0; i < pattern.GetGradePointCount(); ++i) {
        const DPOINT position = pattern.GetGradePointAt(i)->GetPosition(size);
        rect.Include(position.x, position.y);
    }
    std::vector<DPOINT> shape;
    for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
        const CPolyline *polyline = pattern.GetPatternPolylineAt(i);
        polyline->GetShape(size, shape, nullptr);
        rect.IncludePoints(shape);
        for (int k = 0; k < polyline->GetNotchCount(); ++k) {
            double tipX = 0.0;
            double tipY = 0.0;
            polyline->GetNotchAt(k)->GetAbsPos(size, tipX, tipY);
            rect.Include(tipX, tipY);
        }
    }
}

CDRect CPattern::GetAbsRect(const CPtrCollection<IGradeSize> *sizes)
{
    if (m_oAbsRect.IsValid())
        return m_oAbsRect;
    CDRect rect;
    includeGeometry(*this, nullptr, rect);
    if (sizes != nullptr) {
        for (const IGradeSize *size : *sizes)
            includeGeometry(*this, size, rect);
    }
    for (const CContour *contour : m_oContours)
        rect.Union(contour->GetAbsRect());
    m_oAbsRect = rect;
    return m_oAbsRect;
}

void CPattern::InvalidateRect()
{
    m_oAbsRect.SetEmpty();
}

void CPattern::AppendGradePoints(CPtrCollection<CBasePoint> &out) const
{
    UpdateGradePoints();
    out.Append(m_oGradePoints);
}

void CPattern::AppendPoints(CPtrCollection<CBasePoint> &out) const
{
    out.Append(m_oBasePoints);
}

void CPattern::AppendPolylines(CPtrCollection<CPolyline> &out) const
{
    out.Append(m_oPolylines);
}

void CPattern::SetPatternPosition(double x, double y)
{
    GetPatternLocation()->SetPosition(x, y);
}

DPOINT CPattern::GetPivotPoint() const
{
    return TransformToAbsolute(m_oPivotPoint);
}

void CPattern::SetPivotPoint(DPOINT p)
{
    if (GetDPointDistance(p, GetPivotPoint()) == 0.0)
        return;
    m_oPivotPoint = TransformToRelative(p);
}

void CPattern::Rotate(double angle)
{
    const IPatternLocation *location = GetPatternLocation();
    const DPOINT pivot = GetPivotPoint();
    // Where the pattern's origin must go so that the pivot, turned to the new angle, stays.
    CDPoint turned(m_oPivotPoint);
    turned.TransformToAbsolute({0.0, 0.0}, angle, location->IsFlipped(), false);
    SetPatternLocation(pivot.x - turned.x, pivot.y - turned.y, RadToDeg(angle),
                       location->IsFlipped());
}

void CPattern::SetPointsId(int &gradeCounter, int &otherCounter)
{
    for (CBasePoint *point : m_oBasePoints) {
        if (point->GetGradeType() == GRADE_POINT_GRADE)
            point->SetPointID(++gradeCounter);
        else if (point->GetGradeType() == GRADE_POINT_INTERMEDIATE)
            point->SetPointID(++otherCounter);
    }
}

void CPattern::InvalidateContourData()
{
    for (CContour *contour : m_oContours)
        contour->InvalidateContourData();
}

void CPattern::OnPointGradeTypeChanged()
{
    m_bGradePointsStale = true;
    InvalidateRect();
    InvalidateContourData();
}

void CPattern::UpdateGradePoints() const
{
    if (!m_bGradePointsStale)
        return;
    m_bGradePointsStale = false;
    m_oGradePoints.RemoveAll();
    for (CBasePoint *point : m_oBasePoints) {
        if (point->GetGradeType() != GRADE_POINT_INTERMEDIATE)
            m_oGradePoints.Add(point);
    }
}

void CPattern::ForgetPointIndexes()
{
    m_oPointIndexCache.clear();
    m_bGradePointsStale = true;
}
