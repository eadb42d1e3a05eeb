// Morvane program grading.
// Grading the slider points of a notch-distance formula along the outline of every size.
#include "app/grading/NotchDistanceGrading.h"

#include "app/grading/ExpressionEvaluation.h"
#include "app/grading/GradingSizes.h"
#include "formulas/PointFormulaNotchDistance.h"
#include "foundation/NameCompare.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/GradeSize.h"
#include "model/Polyline.h"

using hollicot::CellRows;
using hollicot::Vec2;

namespace {

Vec2 vec(DPOINT point)
{
    return {point.x, point.y};
}

/// The measured points of the slider's line; the places of its shape that are no point are
/// left out.
CPtrCollection<CBasePoint> outlineOf(const CPointFormulaNotchDistance &formula,
                                     const CPolyline &line)
{
    bool closed = false;
    CPtrCollection<CBasePoint> outline;
    for (CBasePoint *point : formula.MeasuredPoints(line, closed))
        if (point != nullptr)
            outline.Add(point);
    return outline;
}

/// The row of the first variable named name; -1 when none.
int rowNamed(const std::vector<std::string> &names, const std::string &name)
{
    for (std::size_t row = 0; row < names.size(); ++row)
        if (morvane::equalsNoCase(names[row], name))
            return static_cast<int>(row);
    return -1;
}

void gradeSlider(hollicot::IGradeParseData &parser, const std::string &formulaText,
                 const std::string &text, CBasePoint *slider,
                 const CPtrCollection<CBasePoint> &outline, const GradingSizes &sizes,
                 const GradingMeasures &measures, const IGradeMask *mask)
{
    OutlineVariables variables = ContourVariables(outline, sizes);
    variables.names.push_back(slider->GetFormatName());
    variables.positions.push_back(vec(slider->GetAbsPosition()));
    CellRows cells(variables.names.size(),
                   std::vector<Vec2>(static_cast<std::size_t>(sizes.count)));
    // Starting from (0, 0) would wipe the grading of an axis that the text does not set.
    cells.back() = IncrementsOnMask(slider, sizes);
    ComputeThroughParser(parser, formulaText, variables.names, variables.positions, {text}, sizes,
                         measures, cells);
    WriteResultsByName(formulaText, slider, variables.names, cells, sizes, mask);
}

} // namespace

OutlineVariables ContourVariables(const CPtrCollection<CBasePoint> &outline,
                                  const GradingSizes &sizes)
{
    OutlineVariables variables;
    for (const CBasePoint *point : outline) {
        variables.names.push_back(point->GetFormatName());
        variables.positions.push_back(vec(point->GetAbsPosition()));
    }
    for (int s = 0; s < sizes.count; ++s) {
        if (s == sizes.base)
            continue;
        CSimpleGradeSize size;
        size.Create(sizes.table, s);
        for (const CBasePoint *point : outline) {
            variables.names.push_back(point->GetFormatName() + "S" + std::to_string(s));
            variables.positions.push_back(vec(point->GetPosition(&size)));
        }
    }
    return variables;
}

void WriteResultsByName(const std::string &formulaText, CBasePoint *point,
                        const std::vector<std::string> &names, const CellRows &results,
                        const GradingSizes &sizes, const IGradeMask *mask)
{
    const int row = rowNamed(names, point->GetFormatName());
    if (row < 0 || (mask != nullptr && mask->IsInExcludeRegion(point->GetAbsPosition())))
        return;
    const std::vector<Vec2> &result = results[static_cast<std::size_t>(row)];
    CheckResultRow(formulaText, *point, result);
    WriteResultRow(point, result, sizes);
}

void GradeNotchDistance(hollicot::IGradeParseData &parser, CPointFormulaNotchDistance &formula,
                        const std::string &formulaText, const GradingSizes &sizes,
                        const GradingMeasures &measures, const IGradeMask *mask)
{
    std::vector<std::string> texts;
    CPtrCollection<CBasePoint> sliders;
    CPtrCollection<CPolyline> lines;
    formula.AddSliderTexts(texts, sliders, lines);
    for (int i = 0; i < sliders.GetCount(); ++i)
        gradeSlider(parser, formulaText, texts[static_cast<std::size_t>(i)], sliders.GetAt(i),
                    outlineOf(formula, *lines.GetAt(i)), sizes, measures, mask);
}
