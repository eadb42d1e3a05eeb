// Morvane formula library.
// The formula that grades every point of a grade region along the region's direction.
#include "formulas/GradeRegionFormula.h"

#include "formulas/FormulaText.h"
#include "foundation/Geometry.h"
#include "foundation/TextFormat.h"
#include "formulas/FormulaMakers.h"
#include "model/FormulaMessageList.h"
#include "model/GradeRegion.h"

#include <cmath>
#include <numbers>

using namespace morvane;

static const CRuntimeClass kGradeRegionFormulaClass("CGradeRegionFormula",
                                                    &CreateObjectOf<CGradeRegionFormula>,
                                                    CBaseGradeFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_REGION,
                                             CGradeRegionFormula::kFormulaType,
                                             &makeRegionFormula<CGradeRegionFormula>);

const CRuntimeClass *CGradeRegionFormula::GetThisClass()
{
    return &kGradeRegionFormulaClass;
}

CGradeRegionFormula::CGradeRegionFormula()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
}

IRegion *CGradeRegionFormula::GetRegion() const
{
    return m_pRegion;
}

void CGradeRegionFormula::SetRegion(CGradeRegion *region)
{
    m_pRegion = region;
    Invalidate();
}

double CGradeRegionFormula::GetGradingAngle(bool radians) const
{
    return m_pRegion != nullptr ? m_pRegion->GetDirection(radians) : 0.0;
}

// Whether angle lies within one degree of direction, both in radians.
static bool isAlong(double angle, double direction)
{
    constexpr double kOneDegree = 0.017453292519943334;
    return std::fabs(NormalizeAngleAround(angle - direction, 0.0)) < kOneDegree;
}

int CGradeRegionFormula::ApplyTypeFor(bool xAxis) const
{
    const std::string x = GetStoredParamText(0);
    const std::string y = GetStoredParamText(1);
    if (x.empty() && y.empty())
        return APPLY_NONE;
    const double angle = GetGradingAngle(true);
    const double pi = std::numbers::pi;
    if (isAlong(angle, 0.0) || isAlong(angle, pi))
        return (xAxis ? x : y).empty() ? APPLY_NONE : APPLY_INCREMENT;
    if (isAlong(angle, pi / 2) || isAlong(angle, -pi / 2))
        return (xAxis ? y : x).empty() ? APPLY_NONE : APPLY_INCREMENT;
    return APPLY_INCREMENT;
}

int CGradeRegionFormula::GetApplyTypeX() const
{
    return ApplyTypeFor(true);
}

int CGradeRegionFormula::GetApplyTypeY() const
{
    return ApplyTypeFor(false);
}

void CGradeRegionFormula::StorePoints(const CPtrCollection<CBasePoint> &points)
{
    ClearResolved();
    for (int i = 0; i < points.GetCount(); ++i)
        SetResolved(i, points.GetAt(i));
    m_nResolvedCount = points.GetCount();
}

void CGradeRegionFormula::Recalculate()
{
    CPtrCollection<CBasePoint> points;
    if (m_pRegion != nullptr)
        m_pRegion->UpdateRegionPoints(points);
    StorePoints(points);
}

void CGradeRegionFormula::OnRegionPointRemoved(const CBasePoint *removed)
{
    CPtrCollection<CBasePoint> points;
    DoCollectPoints(points);
    const int index = points.Find(removed);
    if (index >= 0)
        points.RemoveAt(index);
    StorePoints(points);
}

void CGradeRegionFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    CollectResolvedPoints(list);
}

bool CGradeRegionFormula::CheckIndexPoints(CFormulaMessageList *reporter)
{
    if (!CBaseGradeFormula::CheckIndexPoints(reporter))
        return false;
    if (GetApplyTypeX() != APPLY_NONE || GetApplyTypeY() != APPLY_NONE)
        return true;
    if (reporter != nullptr)
        reporter->AddFormulaMessage(FM_NOTHING_TO_GRADE, this, {});
    return false;
}

bool CGradeRegionFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    UpdateIfNeeded();
    return ValidatePointSet(reporter, checker, m_nResolvedCount > 0);
}

std::string CGradeRegionFormula::GetFormulaText()
{
    UpdateIfNeeded();
    std::string names;
    for (int i = 0; i < m_nResolvedCount; ++i)
        names += (i > 0 ? "," : "") + GetLabelOrUnknown(GetResolvedPoint(i));
    return "%PA(" + formatInteger(GetApplyTypeX()) + ", " + formatInteger(GetApplyTypeY()) + ", " +
           names + ")=%RG(" + formatFixed(GetGradingAngle(false), 6) + "," +
           GetStoredParamText(0) + "," + GetStoredParamText(1) + ")";
}

void CGradeRegionFormula::DoGetDisplayText(std::string &out, bool)
{
    out = JoinPairText(FormatParamForDisplay(0), FormatParamForDisplay(1));
}
