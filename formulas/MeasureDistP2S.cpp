// Morvane formula library.
// The measure from a point along a direction to the far outline of its pattern.
#include "formulas/MeasureDistP2S.h"

#include "foundation/Geometry.h"
#include "foundation/TextFormat.h"
#include "model/BasePoint.h"
#include "model/FormulaFactory.h"
#include "model/Pattern.h"

using namespace morvane;

static const CRuntimeClass kMeasureDistP2SClass("CMeasureDistP2S", &CreateObjectOf<CMeasureDistP2S>,
                                                CBaseMeasureFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makeMeasureDistP2S(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<CMeasureDistP2S>();
    formula->SetContextValue(context);
    formula->SetPattern(target.pattern);
    return formula;
}

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_PATTERN, CMeasureDistP2S::kFormulaType,
                                             &makeMeasureDistP2S);

const CRuntimeClass *CMeasureDistP2S::GetThisClass()
{
    return &kMeasureDistP2SClass;
}

CMeasureDistP2S::CMeasureDistP2S()
{
    SetRequiredIndexCount(1);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern", XmlPresence::WhenSet);
    AddPtrAttribute(&m_pOldPoint, "Point", "BasePoint", XmlPresence::ReadOnly);
    AddDoubleAttribute(&m_dAngleDeg, "AngleDeg");
}

void CMeasureDistP2S::OnReferencesResolved()
{
    CBaseMeasureFormula::OnReferencesResolved();
    if (m_pOldPoint == nullptr)
        return;
    SetIndexPoint(0, m_pOldPoint);
    m_pPattern = m_pOldPoint->GetParent();
    m_pOldPoint = nullptr;
}

void CMeasureDistP2S::SetPattern(CPattern *pattern)
{
    if (pattern == m_pPattern)
        return;
    m_pPattern = pattern;
    Invalidate();
}

void CMeasureDistP2S::SetAngleDeg(double angle)
{
    if (angle == m_dAngleDeg)
        return;
    m_dAngleDeg = angle;
    Invalidate();
}

void CMeasureDistP2S::OnResolvedChanged(int)
{
    Invalidate();
}

void CMeasureDistP2S::CopyFrom(const CBaseFormula &other)
{
    if (const auto *measure = dynamic_cast<const CMeasureDistP2S *>(&other)) {
        m_pPattern = measure->m_pPattern;
        m_dAngleDeg = measure->m_dAngleDeg;
    }
    CBaseMeasureFormula::CopyFrom(other);
}

DPOINT CMeasureDistP2S::GetProbeOrigin(const IGradeSize *size)
{
    const CBasePoint *point = GetResolvedPoint(0);
    return point != nullptr ? point->GetPosition(size) : DPOINT{};
}

double CMeasureDistP2S::GetProbeAngle()
{
    return DegToRad(m_dAngleDeg);
}

void CMeasureDistP2S::GetProbePatterns(CPtrCollection<CPattern> &out)
{
    out.Add(m_pPattern);
}

double CMeasureDistP2S::ComputeValue(int table, int size)
{
    if (GetResolvedPoint(0) == nullptr)
        return 0.0;
    RefreshValue();
    const CDistanceProbe::Distances distances = m_oProbe.GetDistances(table, size);
    return distances.farthest - distances.nearest;
}

void CMeasureDistP2S::RecomputeAll()
{
    m_oProbe.Reset();
}

bool CMeasureDistP2S::UsesPoint(const CBasePoint *point)
{
    if (point == nullptr)
        return false;
    if (GetResolvedPoint(0) == point)
        return true;
    RefreshValue();
    return m_oProbe.IsCrossingPoint(point);
}

void CMeasureDistP2S::DoGetDisplayText(std::string &out, bool flag)
{
    const CBasePoint *point = flag ? GetMeasuredPoint() : GetResolvedPoint(0);
    out = GetDisplayName() + "(" + GetLabelOrUnknown(point) + ", " + formatFixed(m_dAngleDeg, 1) +
          " deg)";
}
