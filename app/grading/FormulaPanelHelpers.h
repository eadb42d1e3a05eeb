// Morvane program grading.
// Helpers of the formula panels that need no window: coordinate pairs and formula owners.
#pragma once

#include <string>

class CBasePoint;
class CPattern;
class IBaseFormula;
class IRegion;

/// Splits "x,y": x is the text before the first comma, y the text after it up to a further
/// comma; no blanks are trimmed. Without a comma x is the whole text and y is left as it was.
/// With zeroIfEmpty an empty x or y becomes "0", and without a comma y is "0".
void SplitCoordinatePair(const std::string &text, std::string &x, std::string &y,
                         bool zeroIfEmpty);

/// What owns a formula, as the panels focus it. Focus kind 0: the mask (nothing to focus);
/// 3: a region; 1: a pattern, with the point for a point formula.
struct FormulaOwner
{
    CBasePoint *point = nullptr;
    CPattern *pattern = nullptr;
    IRegion *region = nullptr;
    int focusKind = 0;
};

/// The owner of the formula by its owner kind: 0 the mask, 1 its region, 2 its pattern, 3 its
/// point and the point's pattern.
FormulaOwner FindFormulaOwner(const IBaseFormula &formula);

/// The label of the formula's owner: "Grade mask" for the mask, the region's name, the pattern's
/// name, or "pattern:point" for a point formula.
std::string FormatFormulaOwnerLabel(const IBaseFormula &formula);
