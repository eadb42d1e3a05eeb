// Morvane program grading tests.
// A fuzz target: formula texts taken from the bytes grade the square piece (an increment, a
// measure and an increment that names it, with runtime formulas for the other points); a fifth
// line adds formulas the way a real style has them: 'e' draws the square's sides as lines of
// their own, 'm' mirrors P1 and P2 from their free neighbours P4 and P3, 'd' grades P4 like the
// difference of P3 and P1, 's' and 'a' add a slider without and with an anchor, 'p' a mark point
// interpolated over the pattern. Grading may refuse them but never crashes and never writes a
// value that is not a finite number.
#include "MaskFixtures.h"
#include "SquareOnMask.h"
#include "app/grading/testing/MaskFormulas.h"
#include "formulas/MeasureExpressionFormula.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

/// Up to count lines of the bytes; missing lines are empty.
std::vector<std::string> linesOf(const uint8_t *data, size_t size, std::size_t count)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size && lines.size() <= count; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    lines.resize(count);
    return lines;
}

bool has(const std::string &shape, char feature)
{
    return shape.find(feature) != std::string::npos;
}

testgrading::SquareExtras extrasOf(const std::string &shape)
{
    testgrading::SquareExtras extras;
    extras.sidesAsLines = has(shape, 'e');
    extras.slider = has(shape, 's') || has(shape, 'a');
    extras.sliderAnchor = has(shape, 'a') ? 0 : 9;
    extras.markPoint = has(shape, 'p');
    return extras;
}

void addShapeFormulas(testgrading::SquareOnMask &square, const std::string &shape)
{
    CFormulaManager &formulas = square.m_mask->GetFormulas();
    const auto maskPoint = [&square](int i) { return testmodel::maskPointAt(*square.m_square, i); };
    if (has(shape, 'm')) {
        testgrading::addMirror(formulas, maskPoint(0), maskPoint(3));
        testgrading::addMirror(formulas, maskPoint(1), maskPoint(2));
    }
    if (has(shape, 'd'))
        testgrading::addLikePoint(formulas, maskPoint(3), maskPoint(2))
            ->SetSecondPoint(maskPoint(0));
}

bool everyGradingFinite(const testgrading::SquareOnMask &square)
{
    for (int point = 0; point < square.m_patterns->GetPatternAt(0)->GetBasePointCount(); ++point) {
        for (int size = 0; size < 5; ++size) {
            const DPOINT shift = square.shiftOf(point, size);
            if (!std::isfinite(shift.x) || !std::isfinite(shift.y))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<std::string> texts = linesOf(data, size, 5);
    testgrading::SquareOnMask square(extrasOf(texts[4]));
    square.m_manager.SetGradePointOptions({.interpolateMarkPoints = has(texts[4], 'p')});
    square.addIncrement(1, texts[0], texts[1]);
    CFormulaManager &formulas = square.m_mask->GetFormulas();
    auto *measure = static_cast<CMeasureExpressionFormula *>(formulas.AddFormula(
        formulas.MakeGlobalFormula(CMeasureExpressionFormula::kFormulaType, nullptr)));
    measure->SetVarName("m1");
    measure->GetParam(0)->SetValue(texts[2]);
    square.addIncrement(2, "m1", texts[3]);
    addShapeFormulas(square, texts[4]);
    square.m_manager.Invalidate();
    square.m_manager.ApplyGradeRules();
    if (!everyGradingFinite(square))
        std::abort();
    return 0;
}
