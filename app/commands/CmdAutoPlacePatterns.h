// Morvane editing commands.
// "AutoPlacePatterns": input patterns are placed on the mask patterns they resemble.
#pragma once

#include "app/commands/DocCommand.h"
#include "app/commands/association/AssociationOptions.h"
#include "foundation/PtrCollection.h"

class CPattern;

/// Places the input patterns of an AutoPlacement (others in it are left alone): those without
/// an associated pattern are first associated by position (with the options' parameters, which
/// the prompt may show to the user when the data allows it); then every one with associated mask
/// patterns is moved so that the centre of its contour best paired with one of them lies on the
/// centre of that mask pattern's contour, and marked placed. Not recorded in the history.
class CCmdAutoPlacePatterns : public CDocCommand
{
public:
    CCmdAutoPlacePatterns();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data or document; otherwise places and answers true (also when the prompt
    /// was cancelled: the patterns associated already are placed all the same).
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Some pattern of the list is an input pattern that is not placed.
    bool IsEnabled(void *data) override;

    /// What edits the parameters when they may be shown; none takes them as the options give.
    void SetParamsPrompt(PatternParamsPrompt prompt) { m_fnParamsPrompt = std::move(prompt); }

private:
    /// Associates by position the patterns that have no associated pattern yet.
    void associateUnassociated(IDocumentServices &document, const CPtrCollection<CPattern> &patterns,
                               bool allowDialog);

    PatternParamsPrompt m_fnParamsPrompt;
};
