// Morvane formula library.
// The relative formula whose single path is the run of an input pattern's outline inside a
// grade region.
#include "formulas/RegionRelativeFormula.h"

#include "formulas/FormulaMakers.h"
#include "formulas/MeasureSize.h"
#include "formulas/PathRegionFormula.h"
#include "formulas/PropDistFormula.h"
#include "model/GradeMask.h"

using namespace morvane;

static const CRuntimeClass kRegionRelativeFormulaClass("CRegionRelativeFormula",
                                                       &CreateObjectOf<CRegionRelativeFormula>,
                                                       CBaseRelativeFormula::GetThisClass());

// Under both types, so that the undo history can copy a formula that measures its own path.
static const FormulaMakerRegistration kRelativeMaker(FORMULA_ATTACH_REGION,
                                                     CBaseRelativeFormula::kRelativeType,
                                                     &makeRegionFormula<CRegionRelativeFormula>);
static const FormulaMakerRegistration kOwnPathMaker(
    FORMULA_ATTACH_REGION, CBaseRelativeFormula::kOwnPathsType,
    &makeOwnPathsFormula<CRegionRelativeFormula, &makeRegionFormula<CRegionRelativeFormula>>);

const CRuntimeClass *CRegionRelativeFormula::GetThisClass()
{
    return &kRegionRelativeFormulaClass;
}

CRegionRelativeFormula::CRegionRelativeFormula()
{
    RegisterRelativeKeys();
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
    AddStringAttribute(&m_sVarName, "VarName");
    RegisterRelativeFlag();
}

IRegion *CRegionRelativeFormula::GetRegion() const
{
    return m_pRegion;
}

void CRegionRelativeFormula::SetRegion(CGradeRegion *region)
{
    if (region == m_pRegion)
        return;
    m_pRegion = region;
    Invalidate();
}

void CRegionRelativeFormula::SetVarName(const std::string &name)
{
    StoreVarName(m_sVarName, name);
}

void CRegionRelativeFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseRelativeFormula::CopyFrom(other);
    if (const auto *formula = dynamic_cast<const CRegionRelativeFormula *>(&other)) {
        m_pRegion = formula->m_pRegion;
        m_bReverse = formula->m_bReverse;
        m_sVarName = formula->m_sVarName;
    }
    Invalidate();
}

bool CRegionRelativeFormula::RelinkFrom(IBaseFormula *replaced, IBaseFormula *)
{
    const auto *old = dynamic_cast<const CPropDistRegionFormula *>(replaced);
    if (old == nullptr)
        return false;
    RelinkSettingsFrom(*old);
    SetRegion(old->GetGradeRegion());
    SetVarName(old->GetVarName());
    return true;
}

IGradePathSource *CRegionRelativeFormula::GetPathSource(int i) const
{
    return i == 0 ? const_cast<CRegionRelativeFormula *>(this) : nullptr;
}

IGradePath *CRegionRelativeFormula::GetGradePath() const
{
    auto *self = const_cast<CRegionRelativeFormula *>(this);
    self->UpdateIfNeeded();
    return &self->m_oRegionPath;
}

double CRegionRelativeFormula::GetValue(int table, int size)
{
    return GetGradePath()->GetPathLength(MeasureSize(table, size).get());
}

bool CRegionRelativeFormula::HasPath()
{
    return GetGradePath()->GetSegmentCount() > 0;
}

void CRegionRelativeFormula::Recalculate()
{
    CBaseRelativeFormula::Recalculate();
    FillRegionPath();
}

void CRegionRelativeFormula::FillRegionPath()
{
    m_oRegionPath.Clear();
    CBasePoint *start = nullptr;
    CBasePoint *end = nullptr;
    bool direction = !m_bReverse;
    if (m_pRegion == nullptr ||
        !CPathRegionFormula::FindRunInside(*m_pRegion, start, end, direction))
        return;
    m_bReverse = !direction;
    m_oRegionPath.FillPath(start, end, direction);
}

bool CRegionRelativeFormula::IsGradedElsewhere(const CBasePoint *point)
{
    auto *mask = dynamic_cast<CGradeMask *>(GetOwner());
    if (mask == nullptr || point == nullptr)
        return false;
    bool x = false;
    bool y = false;
    mask->GetFormulas().IsPointGraded(point, x, y, this);
    return x || y;
}

void CRegionRelativeFormula::UpdateStartGraded()
{
    m_bFirstGraded = IsGradedElsewhere(GetGradePath()->GetFirstPoint());
}

void CRegionRelativeFormula::UpdateEndGraded()
{
    m_bLastGraded = IsGradedElsewhere(GetGradePath()->GetLastPoint());
}

void CRegionRelativeFormula::DoGetDisplayText(std::string &out, bool shortForm)
{
    if (shortForm) {
        out = GetDisplayName() + "(" + (m_pRegion != nullptr ? m_pRegion->GetName() : "") + ")";
        return;
    }
    const IGradePath *path = GetGradePath();
    out = GetDisplayName() + "(" + GetLabelOrUnknown(path->GetFirstPoint()) +
          (m_bReverse ? "<-" : "->") + GetLabelOrUnknown(path->GetLastPoint()) + ")";
}
