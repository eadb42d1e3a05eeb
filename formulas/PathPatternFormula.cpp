// Morvane formula library.
// The path formula of a mask pattern, between two of its points.
#include "formulas/PathPatternFormula.h"

#include "formulas/PropDistFormula.h"
#include "model/FormulaFactory.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"

using namespace morvane;

static const CRuntimeClass kPathPatternFormulaClass("CPathPatternFormula",
                                                    &CreateObjectOf<CPathPatternFormula>,
                                                    CBasePathFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makePathPatternFormula(void *context,
                                                            const FormulaTarget &target)
{
    auto formula = std::make_unique<CPathPatternFormula>();
    formula->SetContextValue(context);
    formula->SetPattern(dynamic_cast<CMaskPattern *>(target.pattern));
    return formula;
}

static const FormulaMakerRegistration
    kMaker(FORMULA_ATTACH_PATTERN, CPathPatternFormula::kFormulaType, &makePathPatternFormula);

const CRuntimeClass *CPathPatternFormula::GetThisClass()
{
    return &kPathPatternFormulaClass;
}

CPathPatternFormula::CPathPatternFormula()
{
    SetRequiredIndexCount(2);
    AddBoolAttribute(&m_bReverse, "Reverse", XmlPresence::WhenSet);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern");
}

CPattern *CPathPatternFormula::GetPattern() const
{
    return m_pPattern;
}

void CPathPatternFormula::SetPattern(CMaskPattern *pattern)
{
    if (pattern == m_pPattern)
        return;
    m_pPattern = pattern;
    m_bMaskPathStale = true;
    Invalidate();
}

void CPathPatternFormula::SetEndMaskPoint(int index, IMaskPoint *point)
{
    SetIndexPoint(index, point != nullptr ? point->GetBasePoint() : nullptr);
    m_bMaskPathStale = true;
}

void CPathPatternFormula::SetFirstPoint(IMaskPoint *point)
{
    SetEndMaskPoint(0, point);
}

void CPathPatternFormula::SetLastPoint(IMaskPoint *point)
{
    SetEndMaskPoint(1, point);
}

void CPathPatternFormula::SetReverse(bool reverse)
{
    CBasePathFormula::SetReverse(reverse);
    m_bMaskPathStale = true;
}

void CPathPatternFormula::CopyFrom(const CBaseFormula &other)
{
    if (const auto *path = dynamic_cast<const CPathPatternFormula *>(&other))
        m_pPattern = path->m_pPattern;
    CBasePathFormula::CopyFrom(other);
    m_bMaskPathStale = true;
}

IGradePath *CPathPatternFormula::GetMaskPath()
{
    if (!m_bMaskPathStale)
        return &m_oMaskPath;
    m_bMaskPathStale = false;
    m_oMaskPath.Clear();
    CBasePoint *first = GetFirstPoint();
    CBasePoint *last = GetLastPoint();
    if (first != nullptr && last != nullptr)
        m_oMaskPath.FillPath(first, last, GetFillDirection());
    return &m_oMaskPath;
}

void CPathPatternFormula::TakeOverPropDist(const CPropDistPatternFormula &formula)
{
    SetVarName(formula.GetVarName());
    SetIndexPoint(0, formula.GetIndexPoint(0));
    SetIndexPoint(1, formula.GetIndexPoint(1));
    SetReverse(formula.GetReverse());
    m_bMaskPathStale = true;
}

bool CPathPatternFormula::RelinkFrom(IBaseFormula *replaced, IBaseFormula *)
{
    const auto *old = dynamic_cast<const CPropDistPatternFormula *>(replaced);
    if (old == nullptr)
        return false;
    SetPattern(old->GetMaskPattern());
    TakeOverPropDist(*old);
    return true;
}

static CPtrCollection<CBasePoint> candidatesOf(CBasePoint &maskPoint)
{
    CPtrCollection<CBasePoint> candidates;
    if (const IMaskPoint *point = maskPoint.GetMaskPoint())
        point->AppendInputAssociations(candidates);
    return candidates;
}

void CPathPatternFormula::ResolveEndPoints()
{
    CBasePoint *firstMask = GetFirstPoint();
    CBasePoint *lastMask = GetLastPoint();
    if (firstMask == nullptr || lastMask == nullptr) {
        SetEndPoint(0, nullptr);
        SetEndPoint(1, nullptr);
        return;
    }
    const CPtrCollection<CBasePoint> lasts = candidatesOf(*lastMask);
    for (CBasePoint *first : candidatesOf(*firstMask)) {
        for (CBasePoint *last : lasts) {
            if (first->GetParent() != last->GetParent())
                continue;
            CGradePath trial;
            trial.FillPath(first, last, GetFillDirection());
            if (trial.GetSegmentCount() == 0)
                continue;
            SetEndPoint(0, first);
            SetEndPoint(1, last);
            break;
        }
    }
}

void CPathPatternFormula::Recalculate()
{
    if (GetRefreshSource() == this)
        ResolveEndPoints();
    FillPath();
}

void CPathPatternFormula::DoGetDisplayText(std::string &out, bool flag)
{
    const std::string path = flag ? FormatPathText(GetFirstPoint(), GetLastPoint()) : GetPathText();
    out = GetDisplayName() + path;
}
