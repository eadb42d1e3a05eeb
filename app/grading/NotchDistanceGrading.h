// Morvane program grading.
// Grading the slider points of a notch-distance formula along the outline of every size.
#pragma once

#include "foundation/PtrCollection.h"
#include "platform/hollicot/GradeParse.h"

#include <string>
#include <vector>

class CBasePoint;
class CPointFormulaNotchDistance;
class IGradeMask;
struct GradingMeasures;
struct GradingSizes;

/// The outline a slider point is measured along, as parser variables: the outline's points in
/// the base size under their own names at their base positions, then, size by size, the same
/// points under the name followed by "S" and the size (P3 is P3S2 in size 2) at their positions
/// in that size, all on the mask and each size in outline order.
struct OutlineVariables
{
    std::vector<std::string> names;
    std::vector<hollicot::Vec2> positions;
};

/// The outline variables of the points, for every size of sizes but the base.
OutlineVariables ContourVariables(const CPtrCollection<CBasePoint> &outline,
                                  const GradingSizes &sizes);

/// Writes results' row of the first variable named like the point (letter case aside) into the
/// point's grading, every size but the base; nothing when no variable has its name or the mask
/// excludes the point. Throws GradingFailure, naming formulaText, when that row is not finite.
void WriteResultsByName(const std::string &formulaText, CBasePoint *point,
                        const std::vector<std::string> &names, const hollicot::CellRows &results,
                        const GradingSizes &sizes, const IGradeMask *mask);

/// Grades the slider point of a notch-distance formula in every size of sizes through parser: its
/// text is evaluated over the outline variables of its line (ContourVariables of the formula's
/// measured points) and the point itself, and its result is written back by name. The point's own
/// row starts from the grading it has, so an axis the formula leaves alone keeps its grading.
/// Throws GradingFailure as EvaluateExpressions does; nothing is written then.
void GradeNotchDistance(hollicot::IGradeParseData &parser, CPointFormulaNotchDistance &formula,
                        const std::string &formulaText, const GradingSizes &sizes,
                        const GradingMeasures &measures, const IGradeMask *mask);
