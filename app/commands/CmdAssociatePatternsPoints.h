// Morvane editing commands.
// "AssociatePatternsPoints" and "AssociatePatternPoints": the points of associated patterns find
// their partners.
#pragma once

#include "app/commands/DocCommand.h"

/// For every pattern of a PatternPointsAssociation and every pattern associated with it, pairs
/// the mask pattern's grade points with the points of the other one
/// (CPatternAssociator::AssociatePatternPointsWith). Not recorded in the history.
class CCmdAssociatePatternsPoints : public CDocCommand
{
public:
    CCmdAssociatePatternsPoints();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data or document; otherwise associates and answers true.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Some pattern of the list has an associated pattern.
    bool IsEnabled(void *data) override;
};

/// The same as "AssociatePatternsPoints", under the name the single-pattern callers use.
class CCmdAssociatePatternPoints : public CCmdAssociatePatternsPoints
{
public:
    CCmdAssociatePatternPoints();

    std::unique_ptr<ICommand> Clone() const override;
};
