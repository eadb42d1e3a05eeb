// Morvane program grading.
// One formula through the formula parser: its points' increments in, its targets' increments out.
#include "app/grading/ExpressionEvaluation.h"

#include "app/grading/GradingFailure.h"
#include "app/grading/GradingMeasures.h"
#include "app/grading/GradingSizes.h"
#include "app/grading/ParseErrorText.h"
#include "app/grading/PointGrading.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "platform/hollicot/GradeParse.h"

#include <cmath>

using hollicot::CellRows;
using hollicot::Vec2;

namespace {

void throwParseFailure(const hollicot::IGradeParseData &parser, const std::string &formulaText)
{
    int code = 0;
    std::string faultyText;
    parser.GetError(code, faultyText);
    throw GradingFailure(formatParseFailure(formulaText, code, faultyText));
}

void computeIncrements(hollicot::IGradeParseData &parser, const ExpressionProblem &problem,
                       const GradingSizes &sizes, const GradingMeasures &measures, CellRows &cells)
{
    std::vector<std::string> names;
    std::vector<Vec2> positions;
    for (int v = 0; v < problem.variables.GetCount(); ++v) {
        const CBasePoint *variable = problem.variables.GetAt(v);
        names.push_back(variable->GetFormatName());
        const DPOINT position = variable->GetAbsPosition();
        positions.push_back({position.x, position.y});
    }
    ComputeThroughParser(parser, problem.formulaText, names, positions, problem.texts, sizes,
                         measures, cells);
}

} // namespace

std::vector<Vec2> IncrementsOnMask(CBasePoint *point, const GradingSizes &sizes)
{
    const PointGrading grading(point);
    std::vector<Vec2> row(static_cast<std::size_t>(sizes.count));
    for (int s = 0; s < sizes.count; ++s) {
        if (s == sizes.base)
            continue;
        const DPOINT increment = grading.GetOnMask(sizes.key(s));
        row[static_cast<std::size_t>(s)] = {increment.x, increment.y};
    }
    return row;
}

void ComputeThroughParser(hollicot::IGradeParseData &parser, const std::string &formulaText,
                          const std::vector<std::string> &names, const std::vector<Vec2> &positions,
                          const std::vector<std::string> &texts, const GradingSizes &sizes,
                          const GradingMeasures &measures, CellRows &cells)
{
    int code = parser.SetUp(names, &positions, texts, sizes.base, sizes.count, &measures.rows,
                            measures.names, 0, &cells, true);
    if (code == 0)
        code = parser.Compute();
    if (code != 0)
        throwParseFailure(parser, formulaText);
}

void CheckResultRow(const std::string &formulaText, const CBasePoint &target,
                    const std::vector<Vec2> &row)
{
    for (const Vec2 &cell : row)
        if (!std::isfinite(cell.x) || !std::isfinite(cell.y))
            throw GradingFailure("formula '" + formulaText + "': the result for " +
                                 target.GetFormatName() + " is not a finite number");
}

void WriteResultRow(CBasePoint *target, const std::vector<Vec2> &row, const GradingSizes &sizes)
{
    PointGrading grading(target);
    for (int s = 0; s < sizes.count; ++s) {
        if (s == sizes.base)
            continue;
        const Vec2 wanted = row[static_cast<std::size_t>(s)];
        grading.SetOnMask(sizes.key(s), {wanted.x, wanted.y});
    }
}

void EvaluateExpressions(hollicot::IGradeParseData &parser, const ExpressionProblem &problem,
                         const GradingSizes &sizes, const GradingMeasures &measures,
                         const IGradeMask *mask)
{
    if (problem.texts.empty() || problem.variables.GetCount() == 0)
        return;
    CellRows cells;
    for (CBasePoint *variable : problem.variables)
        cells.push_back(IncrementsOnMask(variable, sizes));
    computeIncrements(parser, problem, sizes, measures, cells);

    std::vector<std::pair<CBasePoint *, const std::vector<Vec2> *>> results;
    for (int t = 0; t < problem.targets.GetCount(); ++t) {
        CBasePoint *target = problem.targets.GetAt(t);
        const int row = problem.variables.Find(target);
        if (row < 0)
            continue;
        if (mask != nullptr && mask->IsInExcludeRegion(target->GetAbsPosition()))
            continue;
        const auto &cellsOfTarget = cells[static_cast<std::size_t>(row)];
        CheckResultRow(problem.formulaText, *target, cellsOfTarget);
        results.emplace_back(target, &cellsOfTarget);
    }
    for (const auto &[target, row] : results)
        WriteResultRow(target, *row, sizes);
}

std::vector<double> EvaluateMeasure(hollicot::IGradeParseData &parser,
                                    const std::string &formulaText, const std::string &name,
                                    const std::string &text, const GradingSizes &sizes,
                                    const GradingMeasures &measures)
{
    if (text.empty())
        return {};
    CellRows cells(1, std::vector<Vec2>(static_cast<std::size_t>(sizes.count)));
    ComputeThroughParser(parser, formulaText, {name}, {Vec2{}}, {text}, sizes, measures, cells);
    std::vector<double> values;
    for (const Vec2 &cell : cells.front()) {
        if (!std::isfinite(cell.x))
            throw GradingFailure("formula '" + formulaText + "': the value of " + name +
                                 " is not a finite number");
        values.push_back(cell.x);
    }
    return values;
}
