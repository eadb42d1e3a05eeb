// Morvane formula library.
// Helpers shared by the formulas that grade a fixed set of resolved points (darts, lapels).
#include "formulas/ResolvedPointHelpers.h"

#include "formulas/BaseFormula.h"
#include "model/BasePoint.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"
#include "model/MaskPoint.h"

namespace morvane {

bool checkResolvedPointsWritable(CBaseFormula &formula, int count, CFormulaMessageList *reporter)
{
    const IGradeMask *mask = formula.GetOwner();
    if (mask == nullptr)
        return true;
    bool writable = true;
    for (int i = 0; i < count; ++i) {
        const CBasePoint *point = formula.GetResolvedPoint(i);
        if (point == nullptr || !mask->IsInReadOnlyRegion(point))
            continue;
        writable = false;
        if (reporter == nullptr)
            break;
        reporter->AddFormulaMessage(FM_READ_ONLY_REGION, &formula, point->GetFormatName());
    }
    return writable;
}

CPattern *patternOfFirstPoint(CBaseFormula &formula)
{
    CPtrCollection<CBasePoint> points;
    formula.CollectAllPoints(points);
    return points.GetCount() > 0 ? points.GetAt(0)->GetParent() : nullptr;
}

CPtrCollection<CBasePoint> inputAssociationsOf(const CBasePoint *point)
{
    CPtrCollection<CBasePoint> associations;
    auto *mutablePoint = const_cast<CBasePoint *>(point);
    if (IMaskPoint *maskPoint = mutablePoint != nullptr ? mutablePoint->GetMaskPoint() : nullptr)
        maskPoint->AppendInputAssociations(associations);
    return associations;
}

CBasePoint *inputAssociationOn(const CBasePoint *point, const CPattern *pattern)
{
    for (CBasePoint *input : inputAssociationsOf(point)) {
        if (input->GetParent() == pattern)
            return input;
    }
    return nullptr;
}

std::string parameterForParser(CBaseFormula &formula, int n)
{
    std::string text = formula.FormatParam(n);
    return text.empty() ? "0" : text;
}

} // namespace morvane
