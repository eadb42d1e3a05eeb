// Morvane program grading tests.
// A fuzz target: formula texts taken from the bytes grade the square piece (an increment, a
// measure and an increment that names it, with runtime formulas for the other points); grading
// may refuse them but never crashes and never writes a value that is not a finite number.
#include "SquareOnMask.h"
#include "formulas/MeasureExpressionFormula.h"
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

bool everyGradingFinite(const testgrading::SquareOnMask &square)
{
    for (int point = 0; point < 4; ++point) {
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
    const std::vector<std::string> texts = linesOf(data, size, 4);
    testgrading::SquareOnMask square;
    square.m_manager.SetGradePointOptions({});
    square.addIncrement(1, texts[0], texts[1]);
    CFormulaManager &formulas = square.m_mask->GetFormulas();
    auto *measure = static_cast<CMeasureExpressionFormula *>(formulas.AddFormula(
        formulas.MakeGlobalFormula(CMeasureExpressionFormula::kFormulaType, nullptr)));
    measure->SetVarName("m1");
    measure->GetParam(0)->SetValue(texts[2]);
    square.addIncrement(2, "m1", texts[3]);
    square.m_manager.Invalidate();
    square.m_manager.ApplyGradeRules();
    if (!everyGradingFinite(square))
        std::abort();
    return 0;
}
