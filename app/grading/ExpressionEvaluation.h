// Morvane program grading.
// One formula through the formula parser: its points' increments in, its targets' increments out.
#pragma once

#include "foundation/PtrCollection.h"
#include "platform/hollicot/GradeParse.h"

#include <string>
#include <vector>

class CBasePoint;
class IGradeMask;
struct GradingMeasures;
struct GradingSizes;

/// What one formula hands the parser: the points its texts name (variables, each under its
/// label at its base position on the mask), the points that take the results (targets, each
/// also a variable), and its parser lines.
struct ExpressionProblem
{
    /// The formula as the user knows it, for reports.
    std::string formulaText;
    CPtrCollection<CBasePoint> targets;
    CPtrCollection<CBasePoint> variables;
    std::vector<std::string> texts;
};

/// Evaluates the problem in every size of sizes and writes each target's result into its
/// grading, size by size, the base size left as drawn. The targets' patterns are not told: the
/// caller holds a PatternGradingChange around its pass.
///
/// Increments are handed to the parser and taken back in mask coordinates: a point's grading is
/// kept in its pattern's own frame, so it is turned (and mirrored for a flipped pattern) by the
/// pattern's placement on the way in and back on the way out. A target that the mask excludes
/// from grading, or that is not among the variables, receives nothing.
///
/// The parser is set up afresh for the problem, so one parser serves a whole pass.
/// Does nothing without texts or variables. Throws GradingFailure, naming the formula, the
/// parser's code and message and the text at fault, when the parser refuses the problem or a
/// result is not a finite number; nothing is written then.
void EvaluateExpressions(hollicot::IGradeParseData &parser, const ExpressionProblem &problem,
                         const GradingSizes &sizes, const GradingMeasures &measures,
                         const IGradeMask *mask);

/// Evaluates a measure's text (its line addresses the one variable name, based at (0, 0), with
/// no increments) in every size of sizes; the first coordinate of each size's result, the base
/// size included. Throws GradingFailure as EvaluateExpressions does; an empty text gives no
/// values.
std::vector<double> EvaluateMeasure(hollicot::IGradeParseData &parser,
                                    const std::string &formulaText, const std::string &name,
                                    const std::string &text, const GradingSizes &sizes,
                                    const GradingMeasures &measures);

// The steps of an evaluation that the notch-distance grading shares.

/// The point's grading in every size of sizes, turned onto the mask; (0, 0) in the base size
/// and for a point that is no input point.
std::vector<hollicot::Vec2> IncrementsOnMask(CBasePoint *point, const GradingSizes &sizes);

/// Runs texts over the variables (names and base positions) through the parser: cells holds one
/// increment row per variable on the way in and the results on the way out. Throws
/// GradingFailure, naming formulaText, the parser's code and message and the text at fault, when
/// the parser refuses the problem.
void ComputeThroughParser(hollicot::IGradeParseData &parser, const std::string &formulaText,
                          const std::vector<std::string> &names,
                          const std::vector<hollicot::Vec2> &positions,
                          const std::vector<std::string> &texts, const GradingSizes &sizes,
                          const GradingMeasures &measures, hollicot::CellRows &cells);

/// Throws GradingFailure, naming formulaText and the target, when a value of the target's
/// result row is not a finite number.
void CheckResultRow(const std::string &formulaText, const CBasePoint &target,
                    const std::vector<hollicot::Vec2> &row);

/// Writes each size's result of row into target's grading, the base size left as drawn.
void WriteResultRow(CBasePoint *target, const std::vector<hollicot::Vec2> &row,
                    const GradingSizes &sizes);
