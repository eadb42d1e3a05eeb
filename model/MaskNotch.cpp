// Morvane model library.
// The notch of a mask polyline: a stored depth vector and distance along the line.
#include "model/MaskNotch.h"

#include "foundation/SegmentShape.h"
#include "foundation/ShapeDistance.h"
#include "model/BasePoint.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

#include <vector>

using namespace morvane;

static const CRuntimeClass kMaskNotchClass("CMaskNotch", &CreateObjectOf<CMaskNotch>,
                                           CNotch::GetThisClass());

CMaskNotch::CMaskNotch()
{
    AddPtrAttribute(&m_pPoint, "Point", "BasePoint", XmlPresence::ReadOnly);
    AddDoubleAttribute(&m_dX, "dx");
    AddDoubleAttribute(&m_dY, "dy");
    AddDoubleAttribute(&m_dCurveLength, "CurveLength", XmlPresence::WhenSet);
}

CMaskNotch::~CMaskNotch() = default;

const CRuntimeClass *CMaskNotch::GetThisClass()
{
    return &kMaskNotchClass;
}

void CMaskNotch::Create(CPolyline *polyline, double curveLength, double dx, double dy)
{
    CNotch::Create(polyline);
    m_dCurveLength = curveLength;
    m_dX = dx;
    m_dY = dy;
}

void CMaskNotch::GetDepth(const IGradeSize *, double &dx, double &dy) const
{
    dx = m_dX;
    dy = m_dY;
}

double CMaskNotch::GetCurveLength(const IGradeSize *) const
{
    return m_dCurveLength;
}

DPOINT CMaskNotch::GetNotchPlace(const IGradeSize *size, double &tipX, double &tipY) const
{
    return GetAbsPos(size, tipX, tipY);
}

void CMaskNotch::UpdateCurveLength()
{
    if (m_pPoint == nullptr || m_pPolyline == nullptr)
        return;
    std::vector<DPOINT> shape;
    m_pPolyline->GetShapeOrigPos(shape, nullptr);
    const CSegmentShape curve(shape);
    m_dCurveLength = CShapeDistance(&curve, {m_pPoint->GetX(), m_pPoint->GetY()}).GetDistance();
}

void CMaskNotch::ForgetPointUnlessIn(const CPattern &pattern)
{
    if (m_pPoint != nullptr && pattern.FindBasePoint(m_pPoint) < 0)
        m_pPoint = nullptr;
}
