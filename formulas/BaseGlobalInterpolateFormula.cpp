// Morvane formula library.
// The base of the formulas that grade chosen points of a set by interpolation from the others.
#include "formulas/BaseGlobalInterpolateFormula.h"

#include "foundation/TextFormat.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"

#include <algorithm>

using namespace morvane;

static const CRuntimeClass kBaseGlobalInterpolateFormulaClass("CBaseGlobalInterpolateFormula",
                                                              nullptr,
                                                              CBaseFormula::GetThisClass());

const CRuntimeClass *CBaseGlobalInterpolateFormula::GetThisClass()
{
    return &kBaseGlobalInterpolateFormulaClass;
}

CBaseGlobalInterpolateFormula::CBaseGlobalInterpolateFormula() = default;

void CBaseGlobalInterpolateFormula::SetPointKind(uint32_t kind, bool set)
{
    m_nPointKinds = set ? (m_nPointKinds | kind) : (m_nPointKinds & ~kind);
}

void CBaseGlobalInterpolateFormula::StorePoints(const CPtrCollection<CBasePoint> &points)
{
    ClearResolved();
    for (int i = 0; i < points.GetCount(); ++i)
        SetResolved(i, points.GetAt(i));
    m_nResolvedCount = points.GetCount();
}

bool CBaseGlobalInterpolateFormula::AnyOtherFormula(
    const std::function<bool(IBaseFormula &)> &test) const
{
    const auto passes = [this, &test](IBaseFormula *formula) {
        return formula != this && test(*formula);
    };
    if (m_pGradingFormulas != nullptr)
        return std::any_of(m_pGradingFormulas->begin(), m_pGradingFormulas->end(), passes);
    IGradeMask *mask = GetOwner();
    if (mask == nullptr)
        return false;
    const IFormulaManager &manager = *mask->GetFormulaManager();
    for (int i = 0; i < manager.GetFormulaCount(); ++i) {
        if (passes(manager.GetFormulaAt(i)))
            return true;
    }
    return false;
}

// A formula other than a global interpolation that passes its own check and acts on the point
// grades it already.
bool CBaseGlobalInterpolateFormula::IsGradedElsewhere(const CBasePoint *point) const
{
    return AnyOtherFormula([point](IBaseFormula &formula) {
        return formula.GetFormulaType() != 24 && formula.GetBaseFormula()->HasPoint(point) &&
               formula.IsValid(nullptr);
    });
}

bool CBaseGlobalInterpolateFormula::IsOfChosenKind(CBasePoint *point) const
{
    const bool contour = point->IsContourPoint();
    if (HasPointKind(INTERPOLATE_FREE) && !contour)
        return true;
    const bool outline = point->IsOutlinePoint();
    const bool end = outline && point->IsEndPolylinePoint();
    if (HasPointKind(INTERPOLATE_OUTLINE_END) && end)
        return true;
    if (HasPointKind(INTERPOLATE_OUTLINE) && outline && !end && contour)
        return true;
    return HasPointKind(INTERPOLATE_INNER_CONTOUR) && !outline && contour;
}

bool CBaseGlobalInterpolateFormula::IsSelected(CBasePoint *point)
{
    return point != nullptr && !IsGradedElsewhere(point) && IsOfChosenKind(point);
}

void CBaseGlobalInterpolateFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    CPtrCollection<CBasePoint> candidates;
    CollectResolvedPoints(candidates);
    for (CBasePoint *point : candidates) {
        if (IsSelected(point))
            list.Add(point);
    }
}

bool CBaseGlobalInterpolateFormula::IsCircular(const CBasePoint *point,
                                               const CPtrCollection<CBasePoint> &selected)
{
    return AnyOtherFormula([point, &selected](IBaseFormula &formula) {
        if (!formula.GetBaseFormula()->HasPoint(point))
            return false;
        for (const CBasePoint *graded : selected) {
            if (formula.UsesPoint(graded) && formula.IsValid(nullptr))
                return true;
        }
        return false;
    });
}

bool CBaseGlobalInterpolateFormula::UsesPoint(const CBasePoint *point)
{
    CPtrCollection<CBasePoint> candidates;
    CollectResolvedPoints(candidates);
    const int index = candidates.Find(point);
    if (point == nullptr || index < 0 || IsSelected(candidates.GetAt(index)))
        return false;
    CPtrCollection<CBasePoint> selected;
    DoCollectPoints(selected);
    return !IsCircular(point, selected);
}

std::string CBaseGlobalInterpolateFormula::SupportText()
{
    CPtrCollection<CBasePoint> support;
    CollectUsedPoints(support);
    std::string text;
    for (const CBasePoint *point : support)
        text += (text.empty() ? "" : ",") + point->GetFormatName();
    return text;
}

void CBaseGlobalInterpolateFormula::AddFormulaText(std::vector<std::string> &texts)
{
    const std::string support = SupportText();
    CPtrCollection<CBasePoint> selected;
    DoCollectPoints(selected);
    for (const CBasePoint *point : selected) {
        const std::string label = point->GetFormatName();
        texts.push_back(format("%%PA(%d, %d, %s)=%%GI(%s,%d,%s)", GetApplyTypeX(), GetApplyTypeY(),
                               label.c_str(), label.c_str(), m_nInterpolationKind,
                               support.c_str()));
    }
}

bool CBaseGlobalInterpolateFormula::Validate(CFormulaMessageList *reporter,
                                             IFormulaTextChecker *checker)
{
    UpdateIfNeeded();
    return ValidatePointSet(reporter, checker, m_nResolvedCount > 0);
}

void CBaseGlobalInterpolateFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CBaseGlobalInterpolateFormula *>(&other)) {
        m_nPointKinds = same->m_nPointKinds;
        m_nInterpolationKind = same->m_nInterpolationKind;
    }
}

void CBaseGlobalInterpolateFormula::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + "(" + SupportText() + ")";
}
