// Morvane editing commands.
// "AddToSelection": every shown pattern or region of a kind, or given focus objects, selected.
#pragma once

#include "app/commands/DocCommand.h"

#include <vector>

class CFocusObject;
class IDocumentServices;
struct SELECTION_REQUEST;

/// "AddToSelection" (data: a SELECTION_REQUEST): the candidates of the request's kind become the
/// active object through "SetActiveItem": one candidate itself, several a multiple selection;
/// with bAddToActive they join what is active, and items already selected are skipped. Kinds:
/// 0 the placed input patterns (while input patterns are shown), 1 the mask's patterns (while
/// guide patterns are shown), 2 the mask's regions (while regions are shown), 3 all three in
/// that order, 4 the request's items. Not recorded in the history.
class CCmdAddToSelection : public CDocCommand
{
public:
    CCmdAddToSelection();

    std::unique_ptr<ICommand> Clone() const override;
    /// False, leaving the selection, without a request or when no candidate is left; else what
    /// "SetActiveItem" answers.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Kinds 0 to 2: something of the kind is there and shown; 3: any of those; 4: items are
    /// given; other kinds: false.
    bool IsEnabled(void *data) override;

private:
    using Candidates = std::vector<std::unique_ptr<CFocusObject>>;

    /// The candidates of the request, those already selected left out when adding.
    Candidates collect(IDocumentServices &document, const SELECTION_REQUEST &request,
                       const CFocusObject &active) const;
    /// The new selection from the candidates and the active object.
    static std::unique_ptr<CFocusObject> BuildSelection(Candidates candidates, bool addToActive,
                                                        const CFocusObject &active);
};
