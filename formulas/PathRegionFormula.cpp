// Morvane formula library.
// The path formula of a grade region: the run of an input pattern's outline inside it.
#include "formulas/PathRegionFormula.h"

#include "model/FormulaFactory.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"

using namespace morvane;

static const CRuntimeClass kPathRegionFormulaClass("CPathRegionFormula",
                                                   &CreateObjectOf<CPathRegionFormula>,
                                                   CBasePathFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makePathRegionFormula(void *context,
                                                           const FormulaTarget &target)
{
    auto formula = std::make_unique<CPathRegionFormula>();
    formula->SetContextValue(context);
    formula->SetRegion(dynamic_cast<CGradeRegion *>(target.region));
    return formula;
}

static const FormulaMakerRegistration
    kMaker(FORMULA_ATTACH_REGION, CPathRegionFormula::kFormulaType, &makePathRegionFormula);

const CRuntimeClass *CPathRegionFormula::GetThisClass()
{
    return &kPathRegionFormulaClass;
}

CPathRegionFormula::CPathRegionFormula()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
}

IRegion *CPathRegionFormula::GetRegion() const
{
    return m_pRegion;
}

void CPathRegionFormula::SetRegion(CGradeRegion *region)
{
    if (region == m_pRegion)
        return;
    m_pRegion = region;
    Invalidate();
}

void CPathRegionFormula::CopyFrom(const CBaseFormula &other)
{
    if (const auto *path = dynamic_cast<const CPathRegionFormula *>(&other))
        m_pRegion = path->m_pRegion;
    CBasePathFormula::CopyFrom(other);
}

void CPathRegionFormula::ResolveEndPoints()
{
    SetEndPoint(0, nullptr);
    SetEndPoint(1, nullptr);
    if (m_pRegion == nullptr)
        return;
    CPtrCollection<CInputPattern> patterns;
    m_pRegion->AppendShownInputPatterns(patterns);
    for (const CInputPattern *pattern : patterns) {
        CBasePoint *start = nullptr;
        CBasePoint *end = nullptr;
        bool direction = GetFillDirection();
        if (!pattern->FindGradePathReg(*m_pRegion, start, end, direction))
            continue;
        m_bReverse = !direction;
        SetEndPoint(0, start);
        SetEndPoint(1, end);
        return;
    }
}

void CPathRegionFormula::Recalculate()
{
    ResolveEndPoints();
    FillPath();
}

void CPathRegionFormula::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + "(" + (m_pRegion != nullptr ? m_pRegion->GetName() : "") + ")";
}
