// Morvane editing commands: pattern association.
// The parameter records of an association filled from the user's options.
#pragma once

#include "app/commands/association/AssociationParams.h"

#include <functional>

class IOptions;

/// Lets the user edit a pattern association record before a run; false when the user cancels.
using PatternParamsPrompt = std::function<bool(PatternAssociationParams &)>;
/// Lets the user edit a point association record before a run; false when the user cancels.
using PointParamsPrompt = std::function<bool(PointAssociationParams &)>;

/// Fills the type, the size dissimilarity and both shape errors from the "ASSOCIATIONS"
/// options; the method stays as the caller set it. When allowDialog is true and
/// "SHOW_PATTERN_ASS_DLG" is set, the prompt edits the record (without a prompt the record is
/// taken as filled). False only when the prompt is cancelled.
bool GetPatternAssociationParams(const IOptions &options, PatternAssociationParams &params,
                                 bool allowDialog, const PatternParamsPrompt &prompt = {});

/// Fills the record from the "ASSOCIATIONS" options; only formula points are associated and
/// notches are not compared. When allowDialog is true and "SHOW_ASSOCIATION_DIALOG" is set, the
/// prompt edits the record (without a prompt the record is taken as filled). False only when the
/// prompt is cancelled.
bool GetPointAssociationParams(const IOptions &options, PointAssociationParams &params,
                               bool allowDialog, const PointParamsPrompt &prompt = {});
