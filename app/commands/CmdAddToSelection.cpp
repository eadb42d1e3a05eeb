// Morvane editing commands.
// "AddToSelection": every shown pattern or region of a kind, or given focus objects, selected.
#include "app/commands/CmdAddToSelection.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/MultiFocusObject.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"

namespace {

constexpr int32_t kInputPatterns = 0;
constexpr int32_t kMaskPatterns = 1;
constexpr int32_t kRegions = 2;
constexpr int32_t kEverything = 3;
constexpr int32_t kGivenItems = 4;

int placedInputPatternCount(IDocumentServices &document)
{
    IInputPatterns *patterns = document.GetInputPatterns();
    int count = 0;
    for (int i = 0; patterns != nullptr && i < patterns->GetPatternCount(); ++i) {
        IInputPattern *input = patterns->GetPatternAt(i)->GetInputPattern();
        count += input != nullptr && input->IsFlagged();
    }
    return count;
}

/// Whether something of the kind (0 to 2) is there and shown.
bool hasShown(IDocumentServices &document, int32_t kind)
{
    const CDisplayFlags *flags = document.GetDisplayFlags();
    const IGradeMask *mask = document.GetActiveGradeMask();
    if (flags == nullptr)
        return false;
    switch (kind) {
    case kInputPatterns:
        return flags->GetShowInputPatterns() && placedInputPatternCount(document) > 0;
    case kMaskPatterns:
        return flags->GetShowGuidePatterns() && mask != nullptr && mask->GetPatternCount() > 0;
    case kRegions:
        return flags->GetShowMaskRegions() && mask != nullptr &&
               mask->GetGradeRegionCount() > 0;
    default:
        return false;
    }
}

} // namespace

CCmdAddToSelection::CCmdAddToSelection()
{
    Create("AddToSelection");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAddToSelection::Clone() const
{
    return std::make_unique<CCmdAddToSelection>(*this);
}

bool CCmdAddToSelection::OnExecute(void *data)
{
    const auto *request = static_cast<const SELECTION_REQUEST *>(data);
    IDocumentServices *document = GetDocument();
    CFocusManager *focus = GetFocusManager();
    if (request == nullptr || focus == nullptr)
        return false;
    const CFocusObject &active = *focus->GetActiveObject();
    Candidates candidates = collect(*document, *request, active);
    if (candidates.empty())
        return false;
    const std::unique_ptr<CFocusObject> selection =
        BuildSelection(std::move(candidates), request->bAddToActive, active);
    return RunCommand("SetActiveItem", selection.get());
}

bool CCmdAddToSelection::IsEnabled(void *data)
{
    const auto *request = static_cast<const SELECTION_REQUEST *>(data);
    IDocumentServices *document = GetDocument();
    if (request == nullptr || document == nullptr)
        return false;
    if (request->nKind == kEverything)
        return hasShown(*document, kInputPatterns) || hasShown(*document, kMaskPatterns) ||
               hasShown(*document, kRegions);
    if (request->nKind == kGivenItems)
        return !request->oItems.empty();
    return hasShown(*document, request->nKind);
}

CCmdAddToSelection::Candidates CCmdAddToSelection::collect(IDocumentServices &document,
                                                           const SELECTION_REQUEST &request,
                                                           const CFocusObject &active) const
{
    Candidates candidates;
    const auto take = [&](std::unique_ptr<CFocusObject> candidate) {
        // An item-less candidate (the mask centre of a frame) was checked by its sender.
        const CObject *item = candidate->GetItem();
        if (!request.bAddToActive || item == nullptr || !active.RefersTo(item))
            candidates.push_back(std::move(candidate));
    };
    const CDisplayFlags *flags = document.GetDisplayFlags();
    const IGradeMask *mask = document.GetActiveGradeMask();
    const int32_t kind = request.nKind;
    const bool all = kind == kEverything;
    if ((kind == kInputPatterns || all) && flags && flags->GetShowInputPatterns()) {
        IInputPatterns *patterns = document.GetInputPatterns();
        for (int i = 0; patterns != nullptr && i < patterns->GetPatternCount(); ++i) {
            CPattern *pattern = patterns->GetPatternAt(i);
            if (pattern->GetInputPattern() != nullptr && pattern->GetInputPattern()->IsFlagged())
                take(CFocusObject::Create(pattern, CFocusObject::kPattern));
        }
    }
    if ((kind == kMaskPatterns || all) && flags && flags->GetShowGuidePatterns() && mask) {
        for (int i = 0; i < mask->GetPatternCount(); ++i)
            take(CFocusObject::Create(mask->GetPatternAt(i), CFocusObject::kPattern));
    }
    if ((kind == kRegions || all) && flags && flags->GetShowMaskRegions() && mask) {
        for (int i = 0; i < mask->GetGradeRegionCount(); ++i)
            take(CFocusObject::Create(dynamic_cast<CObject *>(mask->GetGradeRegionAt(i)),
                                      CFocusObject::kRegion));
    }
    if (kind == kGivenItems) {
        for (const CFocusObject *item : request.oItems) {
            if (item != nullptr)
                take(CFocusObject::Clone(*item));
        }
    }
    return candidates;
}

std::unique_ptr<CFocusObject> CCmdAddToSelection::BuildSelection(Candidates candidates,
                                                                 bool addToActive,
                                                                 const CFocusObject &active)
{
    const bool nothingActive = active.GetType() == CFocusObject::kNothing;
    if ((!addToActive || nothingActive) && candidates.size() == 1)
        return std::move(candidates.front());
    std::unique_ptr<CFocusObject> selection;
    if (!addToActive || nothingActive)
        selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
    else if (active.GetType() == CFocusObject::kMultiple)
        selection = CFocusObject::Clone(active);
    else {
        selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
        static_cast<CMultiFocusObject &>(*selection).Add(CFocusObject::Clone(active));
    }
    for (auto &candidate : candidates)
        static_cast<CMultiFocusObject &>(*selection).Add(std::move(candidate));
    return selection;
}
