// Morvane editing commands.
// "AutoPlacePatterns": input patterns are placed on the mask patterns they resemble.
#include "app/commands/CmdAutoPlacePatterns.h"

#include "app/commands/AssociationRequests.h"
#include "app/commands/CmdAssociateSelectedPatterns.h"
#include "app/commands/association/PatternAssociator.h"
#include "app/documents/IDocumentServices.h"
#include "model/Contour.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"

namespace {

/// The mask pattern a pattern is placed on, and the contour pair that decides where.
struct PlacementTarget
{
    CPattern *maskPattern = nullptr;
    CPatternAssociator::ContourPair pair;
    bool hasPair = false;
    double cost = 0.0;
};

} // namespace

/// Among the pattern's associated mask patterns, the one whose closed contours pair best with
/// the pattern's; the first when none pairs.
static PlacementTarget chooseAutoPlaceTarget(IDocumentServices &document, CPattern &pattern,
                                             const CPtrCollection<CPattern> &maskPatterns)
{
    PlacementTarget chosen;
    for (CPattern *maskPattern : maskPatterns) {
        CPatternAssociator associator;
        associator.SetDocument(document);
        PlacementTarget candidate;
        candidate.maskPattern = maskPattern;
        candidate.hasPair =
            associator.CompareClosedContours(*maskPattern, pattern, candidate.pair, candidate.cost);
        const bool better = candidate.hasPair && (!chosen.hasPair || candidate.cost < chosen.cost);
        if (chosen.maskPattern == nullptr || better)
            chosen = candidate;
    }
    return chosen;
}

/// Moves the pattern by the distance between the centres of the target's rectangle and its
/// own (of the paired contours when there is a pair, else of the whole patterns), and marks it
/// placed.
static void placeOnTarget(CPattern &pattern, const PlacementTarget &target)
{
    const CDRect targetRect = target.hasPair ? target.pair.maskContour->GetAbsRect()
                                             : target.maskPattern->GetAbsRect(nullptr);
    const CDRect ownRect =
        target.hasPair ? target.pair.contour->GetAbsRect() : pattern.GetAbsRect(nullptr);
    const DPOINT to = targetRect.GetCenter();
    const DPOINT from = ownRect.GetCenter();
    const DPOINT position = pattern.GetPatternLocation()->GetPosition();
    pattern.SetPatternPosition(position.x + to.x - from.x, position.y + to.y - from.y);
    if (IInputPattern *input = pattern.GetInputPattern())
        input->SetFlagged();
}

CCmdAutoPlacePatterns::CCmdAutoPlacePatterns()
{
    Create("AutoPlacePatterns");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAutoPlacePatterns::Clone() const
{
    return std::make_unique<CCmdAutoPlacePatterns>(*this);
}

bool CCmdAutoPlacePatterns::OnExecute(void *data)
{
    const auto *request = static_cast<const AutoPlacement *>(data);
    IDocumentServices *document = GetDocument();
    if (request == nullptr || document == nullptr)
        return false;
    associateUnassociated(*document, request->patterns, request->allowDialog);
    for (CPattern *pattern : request->patterns) {
        if (pattern->GetInputPattern() == nullptr)
            continue;
        CPtrCollection<CPattern> maskPatterns;
        pattern->GetAssPatterns(maskPatterns);
        if (maskPatterns.GetCount() == 0)
            continue;
        placeOnTarget(*pattern, chooseAutoPlaceTarget(*document, *pattern, maskPatterns));
    }
    return true;
}

bool CCmdAutoPlacePatterns::IsEnabled(void *data)
{
    const auto *request = static_cast<const AutoPlacement *>(data);
    if (request == nullptr)
        return false;
    for (CPattern *pattern : request->patterns) {
        const IInputPattern *input = pattern->GetInputPattern();
        if (input != nullptr && !input->IsFlagged())
            return true;
    }
    return false;
}

void CCmdAutoPlacePatterns::associateUnassociated(IDocumentServices &document,
                                                  const CPtrCollection<CPattern> &patterns,
                                                  bool allowDialog)
{
    PatternListAssociation association;
    for (CPattern *pattern : patterns) {
        if (pattern->GetInputPattern() != nullptr &&
            !CPatternAssociator::HasAssociatedPatterns(*pattern))
            association.patterns.Add(pattern);
    }
    if (association.patterns.GetCount() == 0)
        return;
    // Unplaced patterns take part only in an association by position.
    association.params.method = 1;
    if (!GetPatternAssociationParams(document.GetOptions(), association.params, allowDialog,
                                     m_fnParamsPrompt))
        return;
    CCmdAssociateSelectedPatterns associate;
    associate.Execute(GetTask(), &association);
}
