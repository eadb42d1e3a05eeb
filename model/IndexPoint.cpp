// Morvane model library.
// A numbered reference to a point, through which a formula keeps the points it names.
#include "model/IndexPoint.h"

#include "model/BasePoint.h"

static const CRuntimeClass kIndexPointClass("CIndexPoint", &CreateObjectOf<CIndexPoint>,
                                            CMvItem::GetThisClass());

const CRuntimeClass *CIndexPoint::GetThisClass()
{
    return &kIndexPointClass;
}

CIndexPoint::CIndexPoint()
{
    AddIntAttribute(&m_nIndex, "Index");
    AddPtrAttribute(&m_pPoint, "Point", "BasePoint");
}

void CIndexPoint::Create(int index, CBasePoint *point)
{
    m_nIndex = index;
    m_pPoint = point;
}

CBasePoint *CIndexPoint::SetPoint(CBasePoint *point)
{
    m_pPoint = point;
    return m_pPoint;
}
