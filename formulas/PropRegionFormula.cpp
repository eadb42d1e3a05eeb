// Morvane formula library.
// The proportional grading of a grade region, as mask files store it.
#include "formulas/PropRegionFormula.h"

#include "formulas/FormulaText.h"
#include "model/FormulaFactory.h"
#include "model/GradeRegion.h"

using namespace morvane;

static const CRuntimeClass kPropRegionFormulaClass("CPropRegionFormula",
                                                   &CreateObjectOf<CPropRegionFormula>,
                                                   CBaseGradeFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makePropRegionFormula(void *context,
                                                           const FormulaTarget &target)
{
    auto formula = std::make_unique<CPropRegionFormula>();
    formula->SetContextValue(context);
    formula->SetRegion(dynamic_cast<CGradeRegion *>(target.region));
    return formula;
}

static const FormulaMakerRegistration
    kMaker(FORMULA_ATTACH_REGION, CPropRegionFormula::kFormulaType, &makePropRegionFormula);

const CRuntimeClass *CPropRegionFormula::GetThisClass()
{
    return &kPropRegionFormulaClass;
}

CPropRegionFormula::CPropRegionFormula()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
}

IRegion *CPropRegionFormula::GetRegion() const
{
    return m_pRegion;
}

int CPropRegionFormula::GetApplyTypeX() const
{
    return APPLY_NONE;
}

int CPropRegionFormula::GetApplyTypeY() const
{
    return APPLY_NONE;
}

double CPropRegionFormula::GetGradingAngle(bool radians) const
{
    return m_pRegion != nullptr ? m_pRegion->GetDirection(radians) : 0.0;
}

void CPropRegionFormula::SetRegion(CGradeRegion *region)
{
    if (region == m_pRegion)
        return;
    m_pRegion = region;
    Invalidate();
}

void CPropRegionFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseGradeFormula::CopyFrom(other);
    if (const auto *formula = dynamic_cast<const CPropRegionFormula *>(&other))
        m_pRegion = formula->m_pRegion;
}

void CPropRegionFormula::DoCollectPoints(CPtrCollection<CBasePoint> &) {}

void CPropRegionFormula::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName();
}
