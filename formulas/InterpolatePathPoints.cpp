// Morvane formula library.
// The interpolation between the end of one path formula and the start of another.
#include "formulas/InterpolatePathPoints.h"

#include "formulas/FormulaMakers.h"
#include "formulas/FormulaText.h"
#include "foundation/Geometry.h"
#include "model/GradePath.h"
#include "model/IPathFormula.h"

#include <vector>

using namespace morvane;

static const CRuntimeClass kInterpolatePathPointsClass(
    "CInterpolatePathPoints", &CreateObjectOf<CInterpolatePathPoints>,
    CBasePointsInterpolateFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_NONE,
                                             CInterpolatePathPoints::kFormulaType,
                                             &makeGlobalFormula<CInterpolatePathPoints>);

const CRuntimeClass *CInterpolatePathPoints::GetThisClass()
{
    return &kInterpolatePathPointsClass;
}

CInterpolatePathPoints::CInterpolatePathPoints()
{
    AddPtrAttribute(&m_pPathA, "PathA", "GradeFormula");
    AddPtrAttribute(&m_pPathB, "PathB", "GradeFormula");
}

void CInterpolatePathPoints::SetPathA(IBaseFormula *path)
{
    m_pPathA = path;
    Invalidate();
}

void CInterpolatePathPoints::SetPathB(IBaseFormula *path)
{
    m_pPathB = path;
    Invalidate();
}

static CBasePoint *resolvedOf(IBaseFormula *formula, int position)
{
    return formula != nullptr ? formula->GetBaseFormula()->GetResolvedPoint(position) : nullptr;
}

void CInterpolatePathPoints::Recalculate()
{
    ClearResolved();
    SetResolved(0, resolvedOf(m_pPathA, 1));
    SetResolved(1, resolvedOf(m_pPathA, 0));
    SetResolved(2, resolvedOf(m_pPathB, 0));
    SetResolved(3, resolvedOf(m_pPathB, 1));
}

// The base-size shape of the formula's path; empty without a path.
static std::vector<DPOINT> pathShape(IBaseFormula *formula)
{
    std::vector<DPOINT> shape;
    IPathFormula *path = formula != nullptr ? formula->AsPathFormula() : nullptr;
    if (path != nullptr && path->GetPath() != nullptr)
        path->GetPath()->GetShape(shape, nullptr);
    return shape;
}

double CInterpolatePathPoints::GetAngle()
{
    const std::vector<DPOINT> a = pathShape(m_pPathA);
    const std::vector<DPOINT> b = pathShape(m_pPathB);
    if (a.size() < 2 || b.size() < 2)
        return 0.0;
    const DPOINT &aFrom = a[a.size() - 2];
    const DPOINT &aTo = a.back();
    const double angleA = CDPoint(aFrom).GetAngleTo(aTo.x, aTo.y);
    const double angleB = CDPoint(b[0]).GetAngleTo(b[1].x, b[1].y);
    return -GetAngleDifference(angleA, angleB);
}

bool CInterpolatePathPoints::DependsOnFormula(IBaseFormula *other)
{
    return other != nullptr && (other == m_pPathA || other == m_pPathB);
}

void CInterpolatePathPoints::OnIndexPointsChanged(IBaseFormula *removed)
{
    if (removed == m_pPathA)
        m_pPathA = nullptr;
    if (removed == m_pPathB)
        m_pPathB = nullptr;
}

void CInterpolatePathPoints::CopyFrom(const CBaseFormula &other)
{
    CBasePointsInterpolateFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CInterpolatePathPoints *>(&other)) {
        m_pPathA = same->m_pPathA;
        m_pPathB = same->m_pPathB;
    }
}

static std::string displayOf(IBaseFormula *path, bool maskLabels)
{
    if (path == nullptr)
        return std::string(kUnknownPointLabel);
    std::string text;
    path->GetDisplayText(text, maskLabels);
    return text;
}

void CInterpolatePathPoints::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = GetDisplayName() + "(" + displayOf(m_pPathA, maskLabels) + ", " +
          displayOf(m_pPathB, maskLabels) + ")";
}
