// Morvane formula library.
// The texts every formula shares: display text, point address, point lists and point names.
#include "formulas/BaseFormula.h"

#include "formulas/FormulaText.h"
#include "model/BasePoint.h"
#include "model/Pattern.h"

using namespace morvane;

void CBaseFormula::GetDisplayText(std::string &out, bool flag)
{
    // Texts that show other formulas' texts may meet this one again in a damaged file's ring.
    if (m_bShowing) {
        out.clear();
        return;
    }
    m_bShowing = true;
    DoGetDisplayText(out, flag);
    m_bShowing = false;
}

void CBaseFormula::AddFormulaText(std::vector<std::string> &texts)
{
    std::string text = GetFormulaText();
    if (!text.empty())
        texts.push_back(std::move(text));
}

std::string CBaseFormula::FormatPointAddress(const std::string &name) const
{
    return formatPointAddress(GetApplyTypeX(), GetApplyTypeY(), name);
}

std::string CBaseFormula::GetApplyPrefix() const
{
    return applyPrefix(GetApplyTypeX(), GetApplyTypeY());
}

bool CBaseFormula::HasDrivenAxis() const
{
    return hasDrivenAxis(GetApplyTypeX(), GetApplyTypeY());
}

std::string CBaseFormula::GetPointsText()
{
    CPtrCollection<CBasePoint> points;
    CollectPoints(points);
    std::vector<std::string> labels;
    for (const CBasePoint *point : points)
        labels.push_back(GetLabelOrUnknown(point));
    return formatPointsText(labels, GetApplyTypeX(), GetApplyTypeY());
}

std::string CBaseFormula::GetLabelOrUnknown(const CBasePoint *point)
{
    return point != nullptr ? point->GetFormatName() : std::string(kUnknownPointLabel);
}

// The pattern whose points need no qualification: the attached pattern, or the base point's.
const CPattern *CBaseFormula::GetOwnPattern() const
{
    switch (GetAttachKind()) {
    case FORMULA_ATTACH_PATTERN:
        return GetPattern();
    case FORMULA_ATTACH_POINT:
        return GetBasePoint() != nullptr ? GetBasePoint()->GetParent() : nullptr;
    }
    return nullptr;
}

std::string CBaseFormula::GetPointDisplayName(const CBasePoint *point) const
{
    std::string name = GetLabelOrUnknown(point);
    const CPattern *pattern = point != nullptr ? point->GetParent() : nullptr;
    if (pattern != nullptr && pattern != GetOwnPattern())
        name = pattern->GetPatternName() + ":" + name;
    return name + axisSuffix(GetApplyTypeX(), GetApplyTypeY());
}
