// Morvane model library.
// The polyline of a mask pattern: the polygon of its points, edited point by point.
#include "model/MaskPolyline.h"

#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/MaskNotch.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"

#include <algorithm>

using namespace morvane;

static const CRuntimeClass kMaskPolylineClass("CMaskPolyline", &CreateObjectOf<CMaskPolyline>,
                                              CPolyline::GetThisClass());

CMaskPolyline::CMaskPolyline()
{
    AddIntAttribute(&m_eLineType, "LineType");
    AddClassCollectionAttribute(&m_oNotches, "Notches", "Notch", CMaskNotch::GetThisClass(),
                                XmlNaming::None, XmlPresence::WhenSet);
    AddPtrCollectionAttribute(&m_oBasePoints, "BasePoints", "BasePoint");
}

CMaskPolyline::~CMaskPolyline() = default;

const CRuntimeClass *CMaskPolyline::GetThisClass()
{
    return &kMaskPolylineClass;
}

void CMaskPolyline::GetShape(const IGradeSize *, std::vector<DPOINT> &shape,
                             std::vector<int> *indexes) const
{
    BuildShape(true, shape, indexes);
}

void CMaskPolyline::GetShapeOrigPos(std::vector<DPOINT> &shape, std::vector<int> *indexes) const
{
    BuildShape(false, shape, indexes);
}

void CMaskPolyline::BuildShape(bool absolute, std::vector<DPOINT> &shape,
                               std::vector<int> *indexes) const
{
    const int count = GetPointCount();
    std::vector<DPOINT> positions;
    std::vector<int> entries;
    int kept = 0;
    for (int i = count - 1; i >= 0; --i) {
        const CBasePoint *point = GetBasePointAt(i);
        const DPOINT position =
            absolute ? point->GetAbsPosition() : DPOINT{point->GetX(), point->GetY()};
        const bool grade = point->GetGradeType() == GRADE_POINT_GRADE;
        const bool keep = kept == 0 || grade || (i == 0 && kept < 2) ||
                          GetDPointDistance(position, positions.back()) >= kMergeDistance;
        if (!keep)
            continue;
        positions.push_back(position);
        entries.push_back(grade ? i : -1);
        ++kept;
    }
    std::reverse(positions.begin(), positions.end());
    std::reverse(entries.begin(), entries.end());
    shape = std::move(positions);
    if (indexes != nullptr)
        *indexes = std::move(entries);
}

int CMaskPolyline::InsertPoint(int patternPoint, int position)
{
    if (m_pOwner == nullptr || patternPoint < 0 || patternPoint >= m_pOwner->GetBasePointCount())
        return -1;
    const int at = position < 0 ? GetPointCount() : position;
    m_oBasePoints.InsertAt(at, m_pOwner->GetBasePointAt(patternPoint));
    OnPointsChanged();
    return at;
}

void CMaskPolyline::RemovePointAt(int position)
{
    m_oBasePoints.RemoveAt(position);
    OnPointsChanged();
}

void CMaskPolyline::InsertNotch(std::unique_ptr<CNotch> notch, int index)
{
    m_oNotches.InsertAt(index < 0 ? GetNotchCount() : index, notch.release());
    InvalidateOwner();
}

void CMaskPolyline::RemoveNotchAt(int i)
{
    m_oNotches.DeleteAt(i);
    InvalidateOwner();
}

CMaskNotch *CMaskPolyline::AddNotch(double curveLength, double dx, double dy)
{
    auto notch = std::make_unique<CMaskNotch>();
    notch->Create(this, curveLength, dx, dy);
    CMaskNotch *added = notch.get();
    m_oNotches.AddOwned(std::move(notch));
    InvalidateOwner();
    return added;
}

void CMaskPolyline::AppendPoint(CBasePoint *point)
{
    m_oBasePoints.Add(point);
    OnPointsChanged();
}

void CMaskPolyline::AppendPatternPoint(int patternIndex)
{
    if (m_pOwner == nullptr || patternIndex < 0 || patternIndex >= m_pOwner->GetBasePointCount())
        return;
    AppendPoint(m_pOwner->GetBasePointAt(patternIndex));
}

bool CMaskPolyline::Split(CBasePoint *at, CMaskPolyline *newLine, CPtrCollection<CBasePoint> *moved)
{
    const int position = FindBasePoint(at);
    if (position < 0)
        return false;
    newLine->AppendPoint(at);
    while (GetPointCount() > position + 1) {
        CBasePoint *point = GetBasePointAt(position + 1);
        newLine->AppendPoint(point);
        if (moved != nullptr)
            moved->Add(point);
        m_oBasePoints.RemoveAt(position + 1);
    }
    OnPointsChanged();
    return true;
}

void CMaskPolyline::UpdateNotchCurveLengths()
{
    for (CNotch *notch : m_oNotches) {
        if (auto *maskNotch = dynamic_cast<CMaskNotch *>(notch))
            maskNotch->UpdateCurveLength();
    }
}

void CMaskPolyline::DropForeignReferences()
{
    for (int i = m_oBasePoints.GetCount() - 1; i >= 0; --i) {
        if (m_pOwner == nullptr || m_pOwner->FindBasePoint(m_oBasePoints.GetAt(i)) < 0)
            m_oBasePoints.RemoveAt(i);
    }
    for (CNotch *notch : m_oNotches) {
        auto *maskNotch = dynamic_cast<CMaskNotch *>(notch);
        if (maskNotch != nullptr && m_pOwner != nullptr)
            maskNotch->ForgetPointUnlessIn(*m_pOwner);
    }
}

void CMaskPolyline::OnReferencesResolved()
{
    for (CNotch *notch : m_oNotches)
        notch->Create(this);
}

void CMaskPolyline::InvalidateOwner()
{
    if (auto *pattern = dynamic_cast<CMaskPattern *>(m_pOwner))
        pattern->InvalidateGeometry();
}

void CMaskPolyline::OnPointsChanged()
{
    if (auto *pattern = dynamic_cast<CMaskPattern *>(m_pOwner))
        pattern->InvalidateGeometryAndRules();
}
