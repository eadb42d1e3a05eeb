// Morvane formula library.
// The global interpolation over the points of a grade region.
#include "formulas/GlobalInterpolateFormula.h"

#include "formulas/FormulaMakers.h"
#include "model/GradeRegion.h"

static const CRuntimeClass kGlobalInterpolateFormulaClass(
    "CGlobalInterpolateFormula", &CreateObjectOf<CGlobalInterpolateFormula>,
    CBaseGlobalInterpolateFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_REGION,
                                             CGlobalInterpolateFormula::kFormulaType,
                                             &makeRegionFormula<CGlobalInterpolateFormula>);

const CRuntimeClass *CGlobalInterpolateFormula::GetThisClass()
{
    return &kGlobalInterpolateFormulaClass;
}

CGlobalInterpolateFormula::CGlobalInterpolateFormula()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
    AddDwordAttribute(PointKinds(), "InterpolateType");
}

IRegion *CGlobalInterpolateFormula::GetRegion() const
{
    return m_pRegion;
}

void CGlobalInterpolateFormula::SetRegion(CGradeRegion *region)
{
    m_pRegion = region;
    Invalidate();
}

void CGlobalInterpolateFormula::Recalculate()
{
    CPtrCollection<CBasePoint> points;
    if (m_pRegion != nullptr)
        m_pRegion->UpdateRegionPoints(points);
    StorePoints(points);
}
