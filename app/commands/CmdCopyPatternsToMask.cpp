// Morvane editing commands.
// Making mask patterns from input patterns, and deleting mask patterns, through the mask's
// history; the check that no remaining formula needs what is deleted.
#include "app/commands/CmdCopyPatternsToMask.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/IBaseFormula.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MaskPattern.h"

namespace {

const CPtrCollection<CPattern> *patternList(void *data)
{
    return static_cast<const CPtrCollection<CPattern> *>(data);
}

bool isInputPattern(CPattern *pattern)
{
    return pattern != nullptr && pattern->GetInputPattern() != nullptr;
}

CPtrCollection<CPattern> placedInputPatterns(IDocumentServices *document)
{
    CPtrCollection<CPattern> list;
    IInputPatterns *patterns = document != nullptr ? document->GetInputPatterns() : nullptr;
    for (int i = 0; patterns != nullptr && i < patterns->GetPatternCount(); ++i) {
        CInputPattern *pattern = patterns->GetPatternAt(i);
        if (pattern->IsFlagged())
            list.Add(pattern);
    }
    return list;
}

CPtrCollection<CPattern> maskPatterns(const IGradeMask *mask)
{
    CPtrCollection<CPattern> list;
    for (int i = 0; mask != nullptr && i < mask->GetPatternCount(); ++i)
        list.Add(mask->GetPatternAt(i));
    return list;
}

CPtrCollection<CPattern> oneElementList(CPattern *pattern)
{
    CPtrCollection<CPattern> list;
    if (pattern != nullptr)
        list.Add(pattern);
    return list;
}

CPattern *activePattern(const CFocusManager *focus)
{
    return focus != nullptr && focus->IsActivePattern() ? focus->GetActiveObject()->GetPattern()
                                                        : nullptr;
}

bool refersToPattern(IBaseFormula &formula, CPattern *pattern)
{
    CPtrCollection<CObject> referred;
    formula.CollectReferencedObjects(referred);
    for (int i = 0; i < referred.GetCount(); ++i) {
        CObject *object = referred.GetAt(i);
        if (object == dynamic_cast<CObject *>(pattern))
            return true;
        const auto *point = dynamic_cast<const CBasePoint *>(object);
        if (point != nullptr && pattern->FindBasePoint(point) >= 0)
            return true;
    }
    for (int index : formula.GetIndexPointIndexes()) {
        const CBasePoint *point = formula.GetIndexPoint(index);
        if (point != nullptr && pattern->FindBasePoint(point) >= 0)
            return true;
    }
    for (int i = 0; i < pattern->GetBasePointCount(); ++i) {
        if (formula.UsesPoint(pattern->GetBasePointAt(i)))
            return true;
    }
    return false;
}

} // namespace

CCmdCopyPatternsToMask::CCmdCopyPatternsToMask()
{
    Create("CopyPatternsToMask");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61380);
}

std::unique_ptr<ICommand> CCmdCopyPatternsToMask::Clone() const
{
    return std::make_unique<CCmdCopyPatternsToMask>(*this);
}

bool CCmdCopyPatternsToMask::OnExecute(void *data)
{
    const CPtrCollection<CPattern> *given = patternList(data);
    return CopyList(given != nullptr ? *given : placedInputPatterns(GetDocument()));
}

bool CCmdCopyPatternsToMask::IsEnabled(void *data)
{
    const CPtrCollection<CPattern> *given = patternList(data);
    return CanCopyList(given != nullptr ? *given : placedInputPatterns(GetDocument()));
}

bool CCmdCopyPatternsToMask::CopyList(const CPtrCollection<CPattern> &patterns)
{
    return RecordInHistory([&patterns](IGradeMask &mask) {
        for (int i = 0; i < patterns.GetCount(); ++i) {
            CPattern *input = patterns.GetAt(i);
            if (!isInputPattern(input))
                continue;
            std::unique_ptr<CMaskPattern> made = mask.MakePattern();
            made->CreateFromInput(*input);
            mask.InsertPatternAt(mask.GetPatternCount(), std::move(made));
        }
    });
}

bool CCmdCopyPatternsToMask::CanCopyList(const CPtrCollection<CPattern> &patterns) const
{
    if (GetDocument() == nullptr || !GetDocument()->IsEditMode())
        return false;
    for (int i = 0; i < patterns.GetCount(); ++i) {
        if (isInputPattern(patterns.GetAt(i)))
            return true;
    }
    return false;
}

CCmdCopyPatternToMask::CCmdCopyPatternToMask()
{
    Create("CopyPatternToMask");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61378);
}

std::unique_ptr<ICommand> CCmdCopyPatternToMask::Clone() const
{
    return std::make_unique<CCmdCopyPatternToMask>(*this);
}

bool CCmdCopyPatternToMask::OnExecute(void *data)
{
    CPattern *pattern = data != nullptr ? static_cast<CPattern *>(data)
                                        : activePattern(GetFocusManager());
    return CopyList(oneElementList(pattern));
}

bool CCmdCopyPatternToMask::IsEnabled(void *data)
{
    CPattern *pattern = data != nullptr ? static_cast<CPattern *>(data)
                                        : activePattern(GetFocusManager());
    return CanCopyList(oneElementList(pattern));
}

CCmdDeletePatternsFromMask::CCmdDeletePatternsFromMask()
{
    Create("DeletePatternsFromMask");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61384);
}

std::unique_ptr<ICommand> CCmdDeletePatternsFromMask::Clone() const
{
    return std::make_unique<CCmdDeletePatternsFromMask>(*this);
}

bool CCmdDeletePatternsFromMask::OnExecute(void *data)
{
    const CPtrCollection<CPattern> *given = patternList(data);
    return DeleteList(given != nullptr ? *given : maskPatterns(GetActiveMask()));
}

bool CCmdDeletePatternsFromMask::IsEnabled(void *data)
{
    const CPtrCollection<CPattern> *given = patternList(data);
    return CanDeleteList(given != nullptr ? *given : maskPatterns(GetActiveMask()));
}

bool CCmdDeletePatternsFromMask::CanDeleteItems(IFormulaManager &formulas,
                                                const CPtrCollection<IBaseFormula> &deletedFormulas,
                                                const CPtrCollection<CPattern> &deletedPatterns,
                                                DeletionBlock &block)
{
    for (int f = 0; f < formulas.GetFormulaCount(); ++f) {
        IBaseFormula *formula = formulas.GetFormulaAt(f);
        if (deletedFormulas.Find(formula) >= 0)
            continue;
        for (int i = 0; i < deletedFormulas.GetCount(); ++i) {
            if (formula->IsDependentOn(deletedFormulas.GetAt(i))) {
                block = {formula, deletedFormulas.GetAt(i), nullptr};
                return false;
            }
        }
        for (int i = 0; i < deletedPatterns.GetCount(); ++i) {
            if (refersToPattern(*formula, deletedPatterns.GetAt(i))) {
                block = {formula, nullptr, deletedPatterns.GetAt(i)};
                return false;
            }
        }
    }
    return true;
}

bool CCmdDeletePatternsFromMask::DeleteList(const CPtrCollection<CPattern> &patterns)
{
    return RecordInHistory([&patterns](IGradeMask &mask) {
        for (int i = 0; i < patterns.GetCount(); ++i) {
            const int index = mask.FindPattern(patterns.GetAt(i));
            if (index >= 0)
                mask.RemovePatternAt(index);
        }
    });
}

bool CCmdDeletePatternsFromMask::CanDeleteList(const CPtrCollection<CPattern> &patterns) const
{
    const IGradeMask *mask = GetActiveMask();
    if (mask == nullptr || !GetDocument()->IsEditMode())
        return false;
    for (int i = 0; i < patterns.GetCount(); ++i) {
        if (mask->FindPattern(patterns.GetAt(i)) >= 0)
            return true;
    }
    return false;
}

CCmdDeletePatternFromMask::CCmdDeletePatternFromMask()
{
    Create("DeletePatternFromMask");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61382);
}

std::unique_ptr<ICommand> CCmdDeletePatternFromMask::Clone() const
{
    return std::make_unique<CCmdDeletePatternFromMask>(*this);
}

bool CCmdDeletePatternFromMask::OnExecute(void *data)
{
    CPattern *pattern = data != nullptr ? static_cast<CPattern *>(data)
                                        : activePattern(GetFocusManager());
    return DeleteList(oneElementList(pattern));
}

bool CCmdDeletePatternFromMask::IsEnabled(void *data)
{
    const CFocusManager *focus = GetFocusManager();
    if (data == nullptr && (focus == nullptr || !focus->IsActiveMaskPattern()))
        return false;
    CPattern *pattern = data != nullptr ? static_cast<CPattern *>(data) : activePattern(focus);
    return CanDeleteList(oneElementList(pattern));
}
