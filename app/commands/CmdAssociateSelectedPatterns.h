// Morvane editing commands.
// "AssociateSelectedPatterns", "AssociatePatterns" and "AssociatePattern": input patterns find
// the mask patterns of the active grade mask that they belong to.
#pragma once

#include "app/commands/DocCommand.h"
#include "app/commands/association/AssociationParams.h"
#include "app/commands/AssociationRequests.h"
#include "foundation/PtrCollection.h"

class CPattern;

/// Associates the patterns of a PatternListAssociation with the active mask's patterns by the
/// geometry of their contours (CPatternAssociator::AssociatePatterns). Not recorded in the
/// history.
class CCmdAssociateSelectedPatterns : public CDocCommand
{
public:
    CCmdAssociateSelectedPatterns();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data or document; otherwise associates and answers true.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// The active mask has a pattern and the list is not empty.
    bool IsEnabled(void *data) override;

protected:
    /// Runs the association engine on the document under the wait cursor; false without a
    /// document.
    bool AssociatePatterns(const CPtrCollection<CPattern> &patterns,
                           const PatternAssociationParams &params);
    /// The active mask has a pattern and the list is not empty.
    bool CanAssociate(const CPtrCollection<CPattern> &patterns) const;
};

/// The same as "AssociateSelectedPatterns", under the name the whole-document callers use.
class CCmdAssociatePatterns : public CCmdAssociateSelectedPatterns
{
public:
    CCmdAssociatePatterns();

    std::unique_ptr<ICommand> Clone() const override;
};

/// Associates one pattern, given by a SinglePatternAssociation, or (the pattern null) the active
/// pattern.
class CCmdAssociatePattern : public CCmdAssociateSelectedPatterns
{
public:
    CCmdAssociatePattern();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data, document or pattern; otherwise associates and answers true.
    bool OnExecute(void *data) override;
    /// A given pattern must be placed unless the method compares by position (1); without one,
    /// the active pattern must be one that is not on the mask. Then the mask must have a
    /// pattern.
    bool IsEnabled(void *data) override;

private:
    /// The given pattern, else the active one; null when there is neither.
    CPattern *patternOf(const SinglePatternAssociation &request) const;
};
