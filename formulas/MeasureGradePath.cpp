// Morvane formula library.
// The records of a measured path: which path formula, and how its segments are counted.
#include "formulas/MeasureGradePath.h"

#include "model/IBaseFormula.h"

static const CRuntimeClass kMeasurePathPropertyClass("CMeasurePathProperty",
                                                     &CreateObjectOf<CMeasurePathProperty>,
                                                     CMvItem::GetThisClass());
static const CRuntimeClass kMeasureGradePathClass("CMeasureGradePath",
                                                  &CreateObjectOf<CMeasureGradePath>,
                                                  &kMeasurePathPropertyClass);

const CRuntimeClass *CMeasurePathProperty::GetThisClass()
{
    return &kMeasurePathPropertyClass;
}

CMeasurePathProperty::CMeasurePathProperty()
{
    AddIntAttribute(&m_nSegments, "Segments");
    AddBoolAttribute(&m_bAutoSegments, "AutoSegments");
    AddBoolAttribute(&m_bMatchSegments, "MatchSegments");
}

void CMeasurePathProperty::CopySegmentsFrom(const CMeasurePathProperty &other)
{
    m_nSegments = other.m_nSegments;
    m_bAutoSegments = other.m_bAutoSegments;
    m_bMatchSegments = other.m_bMatchSegments;
}

const CRuntimeClass *CMeasureGradePath::GetThisClass()
{
    return &kMeasureGradePathClass;
}

CMeasureGradePath::CMeasureGradePath()
{
    AddPtrAttribute(&m_pPathFormula, "PathFormula", "GradeFormula");
}
