// Morvane editing commands.
// Deleting the selected mask patterns and grade regions, refused while a formula needs them.
#include "app/commands/CmdDeleteSelectedItems.h"

#include "app/commands/CmdCopyPatternsToMask.h"
#include "app/commands/SelectionEntries.h"
#include "app/commands/StopMessage.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/IBaseFormula.h"
#include "model/Pattern.h"

namespace {

/// The name of what the formula belongs to: its region, its pattern, or its point's pattern.
std::string ownerName(IBaseFormula &formula, const IGradeMask &mask)
{
    switch (formula.GetAttachKind()) {
    case FORMULA_ATTACH_REGION:
        return formula.GetRegion() != nullptr ? formula.GetRegion()->GetName() : std::string();
    case FORMULA_ATTACH_PATTERN:
        return formula.GetPattern() != nullptr ? formula.GetPattern()->GetPatternName()
                                               : std::string();
    case FORMULA_ATTACH_POINT:
        for (int i = 0; i < mask.GetPatternCount(); ++i) {
            if (mask.GetPatternAt(i)->FindBasePoint(formula.GetBasePoint()) >= 0)
                return mask.GetPatternAt(i)->GetPatternName();
        }
        return {};
    default:
        return {};
    }
}

/// "owner:" then, when the formula has a name, "'name=text'".
std::string describeFormula(IBaseFormula &formula, const IGradeMask &mask)
{
    std::string text = ownerName(formula, mask) + ":";
    const std::string name = formula.GetFormulaName();
    if (!name.empty())
        text += " '" + name + "=" + formula.GetFormulaText() + "'";
    return text;
}

std::string formulaLabel(IBaseFormula &formula)
{
    const std::string name = formula.GetFormulaName();
    return name.empty() ? formula.GetFormulaText() : name;
}

} // namespace

CCmdDeleteSelectedItems::CCmdDeleteSelectedItems()
{
    Define("DeleteSelectedItems", true, 61581);
}

std::unique_ptr<ICommand> CCmdDeleteSelectedItems::Clone() const
{
    return std::make_unique<CCmdDeleteSelectedItems>(*this);
}

bool CCmdDeleteSelectedItems::OnExecute(void *data)
{
    CFocusObject *selection = Selection(data);
    if (selection == nullptr || !CheckFormulas(*selection))
        return false;
    return CCompositeCommand::OnExecute(selection);
}

int CCmdDeleteSelectedItems::GetItemCount(void *data)
{
    const CFocusObject *selection = Selection(data);
    if (selection == nullptr)
        return 0;
    if (selection->GetType() == CFocusObject::kMultiple)
        return morvane::selectionEntryCount(*selection);
    return morvane::isMaskItem(*selection) ? 1 : 0;
}

bool CCmdDeleteSelectedItems::ExecuteItem(int index, void *data)
{
    CFocusObject &item = *morvane::selectionEntry(*Selection(data), index);
    if (!morvane::isMaskItem(item))
        return false;
    if (item.IsRegion())
        return ExecuteCommand("DeleteRegion", dynamic_cast<IRegion *>(item.GetItem()));
    return ExecuteCommand("DeletePatternFromMask", item.GetPattern());
}

bool CCmdDeleteSelectedItems::IsItemEnabled(int index, void *data)
{
    CFocusObject *selection = Selection(data);
    return selection != nullptr && morvane::isMaskItem(*morvane::selectionEntry(*selection, index));
}

CFocusObject *CCmdDeleteSelectedItems::Selection(void *data) const
{
    return data != nullptr ? static_cast<CFocusObject *>(data) : GetActiveObject();
}

bool CCmdDeleteSelectedItems::CheckFormulas(CFocusObject &selection)
{
    IDocumentServices *document = GetDocument();
    IGradeMask *mask = document != nullptr ? document->GetActiveGradeMask() : nullptr;
    if (mask == nullptr)
        return false;
    IFormulaManager &formulas = *mask->GetFormulaManager();
    CPtrCollection<IBaseFormula> deletedFormulas;
    CPtrCollection<CPattern> deletedPatterns;
    for (int i = 0; i < morvane::selectionEntryCount(selection); ++i) {
        const CFocusObject &item = *morvane::selectionEntry(selection, i);
        if (!morvane::isMaskItem(item))
            continue;
        if (item.IsRegion()) {
            const auto *region = dynamic_cast<const IRegion *>(item.GetItem());
            if (region != nullptr && region->GetGradeFormula() != nullptr)
                deletedFormulas.Add(region->GetGradeFormula());
            continue;
        }
        CPtrCollection<IBaseFormula> own;
        formulas.GetPatternFormulas(item.GetPattern(), own);
        for (int f = 0; f < own.GetCount(); ++f)
            deletedFormulas.Add(own.GetAt(f));
        deletedPatterns.Add(item.GetPattern());
    }
    DeletionBlock block;
    if (CCmdDeletePatternsFromMask::CanDeleteItems(formulas, deletedFormulas, deletedPatterns,
                                                   block))
        return true;
    if (block.referredPattern == nullptr)
        morvane::showStopMessage(*document, 61585,
                                 {formulaLabel(*block.referredFormula),
                                  formulaLabel(*block.blocking)});
    else
        morvane::showStopMessage(*document, 61408,
                                 {block.referredPattern->GetPatternName(),
                                  describeFormula(*block.blocking, *mask)});
    return false;
}
