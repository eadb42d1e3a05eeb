// Morvane editing commands.
// "ClearPatternsGrading": the graded sizes of patterns go back to their base size.
#pragma once

#include "app/commands/DocCommand.h"
#include "foundation/PtrCollection.h"

class CPattern;

/// Puts every point of the patterns (the data: a CPtrCollection<CPattern>) back where it lies in
/// the base size, in every size of every table of the document's table set, with the
/// document's bulk-change counter raised. Points of mask patterns have no grading of their own
/// and stay as they are. Not recorded in the history.
class CCmdClearPatternsGrading : public CDocCommand
{
public:
    CCmdClearPatternsGrading();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data or document; true otherwise.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// The collection holds a pattern.
    bool IsEnabled(void *data) override;
};

/// The work of "ClearPatternsGrading", for whoever resets the grading of patterns.
void ClearPatternGrading(const CPtrCollection<CPattern> &patterns, IDocumentServices &document);
