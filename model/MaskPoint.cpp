// Morvane model library.
// The point of a mask pattern: its own coordinates and the points it is associated with.
#include "model/MaskPoint.h"

#include "model/InputPattern.h"
#include "model/MaskPattern.h"

using namespace morvane;

static const CRuntimeClass kMaskPointClass("CMaskPoint", &CreateObjectOf<CMaskPoint>,
                                           CBasePoint::GetThisClass());

CMaskPoint::CMaskPoint()
{
    AddIntAttribute(&m_eGradeType, "GradeType");
    AddIntAttribute(&m_nPointId, "Id", XmlPresence::WhenSet);
    AddDoubleAttribute(&m_dX, "x");
    AddDoubleAttribute(&m_dY, "y");
}

CMaskPoint::~CMaskPoint() = default;

const CRuntimeClass *CMaskPoint::GetThisClass()
{
    return &kMaskPointClass;
}

DPOINT CMaskPoint::GetPosition(const IGradeSize *) const
{
    const DPOINT own{m_dX, m_dY};
    return GetParent() != nullptr ? GetParent()->TransformToAbsolute(own) : own;
}

CBasePoint *CMaskPoint::GetAssociatedPoint() const
{
    return GetFirstAssociation();
}

CBasePoint *CMaskPoint::FindSliderPoint(CPolyline *&line)
{
    line = nullptr;
    return nullptr;
}

void CMaskPoint::AppendAssociations(CPtrCollection<CBasePoint> &out) const
{
    out.Append(m_oAssociations);
}

void CMaskPoint::AppendInputAssociations(CPtrCollection<CBasePoint> &out) const
{
    for (CBasePoint *point : m_oAssociations) {
        CPattern *pattern = point->GetParent();
        const IInputPattern *input = pattern != nullptr ? pattern->GetInputPattern() : nullptr;
        if (input != nullptr && input->IsFlagged())
            out.Add(point);
    }
}

CBasePoint *CMaskPoint::GetFirstAssociation() const
{
    return m_oAssociations.GetFirst();
}

void CMaskPoint::RemoveAssociationsTo(const CPattern *pattern)
{
    for (int i = m_oAssociations.GetCount() - 1; i >= 0; --i) {
        if (m_oAssociations.GetAt(i)->GetParent() == pattern)
            m_oAssociations.RemoveAt(i);
    }
}

void CMaskPoint::SetX(double x)
{
    m_dX = x;
    InvalidateParent();
}

void CMaskPoint::SetY(double y)
{
    m_dY = y;
    InvalidateParent();
}

bool CMaskPoint::AddAssociation(CBasePoint *point)
{
    if (point == nullptr || m_oAssociations.Find(point) >= 0)
        return false;
    m_oAssociations.Add(point);
    return true;
}

bool CMaskPoint::RemoveAssociation(const CBasePoint *point)
{
    const int index = m_oAssociations.Find(point);
    if (index < 0)
        return false;
    m_oAssociations.RemoveAt(index);
    return true;
}

int CMaskPoint::GetAssociationCountTo(const CPattern *pattern) const
{
    int count = 0;
    for (const CBasePoint *point : m_oAssociations) {
        if (point->GetParent() == pattern)
            ++count;
    }
    return count;
}

void CMaskPoint::InvalidateParent()
{
    if (auto *pattern = dynamic_cast<CMaskPattern *>(GetParent()))
        pattern->InvalidateGeometry();
}
