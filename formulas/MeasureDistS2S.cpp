// Morvane formula library.
// The measure across a grade region between the outline segments its direction crosses.
#include "formulas/MeasureDistS2S.h"

#include "foundation/TextFormat.h"
#include "model/FormulaFactory.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"

using namespace morvane;

static const CRuntimeClass kMeasureDistS2SClass("CMeasureDistS2S", &CreateObjectOf<CMeasureDistS2S>,
                                                CBaseMeasureFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makeMeasureDistS2S(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<CMeasureDistS2S>();
    formula->SetContextValue(context);
    formula->SetRegion(dynamic_cast<CGradeRegion *>(target.region));
    return formula;
}

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_REGION, CMeasureDistS2S::kFormulaType,
                                             &makeMeasureDistS2S);

const CRuntimeClass *CMeasureDistS2S::GetThisClass()
{
    return &kMeasureDistS2SClass;
}

CMeasureDistS2S::CMeasureDistS2S()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
}

IRegion *CMeasureDistS2S::GetRegion() const
{
    return m_pRegion;
}

void CMeasureDistS2S::SetRegion(CGradeRegion *region)
{
    if (region == m_pRegion)
        return;
    m_pRegion = region;
    Invalidate();
}

void CMeasureDistS2S::CopyFrom(const CBaseFormula &other)
{
    if (const auto *measure = dynamic_cast<const CMeasureDistS2S *>(&other))
        m_pRegion = measure->m_pRegion;
    CBaseMeasureFormula::CopyFrom(other);
}

double CMeasureDistS2S::GetAngleDeg() const
{
    return m_pRegion != nullptr ? m_pRegion->GetDirection(false) : 0.0;
}

DPOINT CMeasureDistS2S::GetProbeOrigin(const IGradeSize *)
{
    return m_pRegion != nullptr ? m_pRegion->GetPosition() : DPOINT{};
}

double CMeasureDistS2S::GetProbeAngle()
{
    return m_pRegion != nullptr ? m_pRegion->GetDirection(true) : 0.0;
}

bool CMeasureDistS2S::AcceptsCrossing(DPOINT crossing)
{
    return m_pRegion != nullptr && m_pRegion->IsPointInside(crossing);
}

void CMeasureDistS2S::GetProbePatterns(CPtrCollection<CPattern> &out)
{
    if (m_pRegion == nullptr)
        return;
    CPtrCollection<CInputPattern> patterns;
    m_pRegion->AppendShownInputPatterns(patterns);
    for (CInputPattern *pattern : patterns)
        out.Add(pattern);
}

double CMeasureDistS2S::ComputeValue(int table, int size)
{
    if (m_pRegion == nullptr)
        return 0.0;
    RefreshValue();
    const CDistanceProbe::Distances distances = m_oProbe.GetDistances(table, size);
    return distances.farthest - distances.nearest;
}

void CMeasureDistS2S::RecomputeAll()
{
    m_oProbe.Reset();
}

bool CMeasureDistS2S::UsesPoint(const CBasePoint *point)
{
    RefreshValue();
    return m_oProbe.IsCrossingPoint(point);
}

void CMeasureDistS2S::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + "(" + formatFixed(GetAngleDeg(), 1) + " deg)";
}
