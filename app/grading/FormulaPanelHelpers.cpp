// Morvane program grading.
// Helpers of the formula panels that need no window.
#include "app/grading/FormulaPanelHelpers.h"

#include "app/grading/FormulaKindNames.h"
#include "model/BasePoint.h"
#include "model/GradeRegion.h"
#include "model/IBaseFormula.h"
#include "model/Pattern.h"

void SplitCoordinatePair(const std::string &text, std::string &x, std::string &y,
                         bool zeroIfEmpty)
{
    const std::size_t comma = text.find(',');
    x = text.substr(0, comma);
    if (comma != std::string::npos) {
        const std::size_t next = text.find(',', comma + 1);
        y = text.substr(comma + 1, next == std::string::npos ? std::string::npos : next - comma - 1);
    } else if (zeroIfEmpty) {
        y = "0";
    }
    if (!zeroIfEmpty)
        return;
    if (x.empty())
        x = "0";
    if (y.empty())
        y = "0";
}

FormulaOwner FindFormulaOwner(const IBaseFormula &formula)
{
    FormulaOwner owner;
    switch (formula.GetAttachKind()) {
    case FORMULA_ATTACH_REGION:
        owner.region = formula.GetRegion();
        owner.focusKind = 3;
        break;
    case FORMULA_ATTACH_PATTERN:
        owner.pattern = formula.GetPattern();
        owner.focusKind = 1;
        break;
    case FORMULA_ATTACH_POINT:
        owner.point = formula.GetBasePoint();
        owner.pattern = owner.point ? owner.point->GetParent() : nullptr;
        owner.focusKind = 1;
        break;
    default:
        break;
    }
    return owner;
}

std::string FormatFormulaOwnerLabel(const IBaseFormula &formula)
{
    const FormulaOwner owner = FindFormulaOwner(formula);
    const std::string patternName = owner.pattern ? owner.pattern->GetPatternName() : std::string();
    switch (formula.GetAttachKind()) {
    case FORMULA_ATTACH_NONE:
        return std::string(formulaKindText(kMaskOwnerStringId));
    case FORMULA_ATTACH_REGION:
        return owner.region ? owner.region->GetName() : std::string();
    case FORMULA_ATTACH_PATTERN:
        return patternName;
    case FORMULA_ATTACH_POINT:
        return patternName + ":" + (owner.point ? owner.point->GetFormatName() : std::string());
    default:
        return {};
    }
}
