// Morvane model library.
// The abstract point of a pattern: its grade type, id, label and place for each size.
#include "model/BasePoint.h"

#include "model/Contour.h"
#include "model/Pattern.h"
#include "model/PointName.h"

using namespace morvane;

static const CRuntimeClass kBasePointClass("CBasePoint", nullptr, CMvItem::GetThisClass());

const CRuntimeClass *CBasePoint::GetThisClass()
{
    return &kBasePointClass;
}

CBasePoint::CBasePoint()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
}

CBasePoint::~CBasePoint() = default;

void CBasePoint::GetGradePlace(const IGradeSize *size, double &x, double &y) const
{
    const DPOINT position = GetPosition(size);
    x = position.x;
    y = position.y;
}

void CBasePoint::OnSetPointID() {}

std::string CBasePoint::GetFormatName() const
{
    return pointName(m_eGradeType != GRADE_POINT_INTERMEDIATE ? 'P' : 'I', m_nPointId);
}

IInputPoint *CBasePoint::GetInputPoint()
{
    return nullptr;
}

IMaskPoint *CBasePoint::GetMaskPoint()
{
    return nullptr;
}

bool CBasePoint::IsOutlinePoint() const
{
    return m_pPattern != nullptr && m_pPattern->HasOutlinePoint(this);
}

bool CBasePoint::IsEndPolylinePoint() const
{
    return m_pPattern != nullptr && m_pPattern->HasEndPolylinePoint(this);
}

bool CBasePoint::IsContourPoint() const
{
    return m_pPattern != nullptr && m_pPattern->HasContourPoint(this);
}

void CBasePoint::GetTextPlace(const IGradeSize *size, double &x, double &y) const
{
    GetGradePlace(size, x, y);
}

std::string CBasePoint::GetDrawText() const
{
    return GetFormatName();
}

void CBasePoint::SetParent(CPattern *pattern)
{
    m_pPattern = pattern;
}

void CBasePoint::SetPointID(int id)
{
    m_nPointId = id;
    OnSetPointID();
}

void CBasePoint::SetGradeType(GRADE_POINT_TYPE type)
{
    if (type == m_eGradeType)
        return;
    SendBeforeChange(0);
    m_eGradeType = type;
    if (m_pPattern != nullptr)
        m_pPattern->OnPointGradeTypeChanged();
    SendAfterChange(0);
}

DPOINT CBasePoint::GetAbsPosition() const
{
    return GetPosition(nullptr);
}

int CBasePoint::GetContourCount(int &open, int &closed) const
{
    open = 0;
    closed = 0;
    if (m_pPattern == nullptr)
        return 0;
    CPtrCollection<CBasePoint> points;
    for (int i = 0; i < m_pPattern->GetContourCount(); ++i) {
        const CContour *contour = m_pPattern->GetContourAt(i);
        contour->GetOutContour(&points, false, false);
        if (points.Find(this) < 0)
            continue;
        ++(contour->IsClosed() ? closed : open);
    }
    return open + closed;
}
