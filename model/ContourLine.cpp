// Morvane model library.
// One polyline of a contour, with the direction in which the contour runs along it.
#include "model/ContourLine.h"

#include "model/Polyline.h"

static const CRuntimeClass kContourLineClass("CContourLine", &CreateObjectOf<CContourLine>,
                                             CMvItem::GetThisClass());

const CRuntimeClass *CContourLine::GetThisClass()
{
    return &kContourLineClass;
}

CContourLine::CContourLine()
{
    AddPtrAttribute(&m_pPolyline, "Polyline", "Polyline");
    AddBoolAttribute(&m_bBackward, "Backward");
}

void CContourLine::Create(CContour *contour, CPolyline *polyline, bool backward)
{
    m_pContour = contour;
    m_pPolyline = polyline;
    m_bBackward = backward;
}
