// Morvane editing commands.
// The data that the association and auto-placement commands are given.
#pragma once

#include "app/commands/association/AssociationParams.h"
#include "foundation/PtrCollection.h"

class CPattern;

/// The data of "AssociateSelectedPatterns" and "AssociatePatterns": the patterns and how they
/// are associated (the caller chooses the method).
struct PatternListAssociation
{
    CPtrCollection<CPattern> patterns;
    PatternAssociationParams params;
};

/// The data of "AssociatePattern": one pattern (null: the active pattern) and how.
struct SinglePatternAssociation
{
    CPattern *pattern = nullptr;
    PatternAssociationParams params;
};

/// The data of "AssociatePatternsPoints" and "AssociatePatternPoints": the patterns whose
/// points are paired with those of their associated patterns, and how.
struct PatternPointsAssociation
{
    CPtrCollection<CPattern> patterns;
    PointAssociationParams params;
};

/// The data of "AutoPlacePatterns": the patterns, and whether the parameters may be shown to
/// the user first.
struct AutoPlacement
{
    CPtrCollection<CPattern> patterns;
    bool allowDialog = false;
};
