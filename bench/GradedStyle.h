// Morvane benchmarks.
// The generated style loaded onto its mask with 20 formulas a piece and graded over its 12 sizes,
// once for the whole run.
#pragma once

#include "GeneratedStyle.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace benchstyle {

// Every piece gets 20 formulas on its first 20 rule points: ten increments by the waist and a
// step, each followed by a point graded like it; the other 20 rule points get runtime formulas.
inline void addFormulas(CFormulaManager &formulas, IInputPatterns &patterns)
{
    for (int p = 0; p < patterns.GetPatternCount(); ++p) {
        CInputPattern *pattern = patterns.GetPatternAt(p);
        const auto maskPoint = [pattern](int i) {
            return pattern->GetBasePointAt(i)->GetAssociatedPoint();
        };
        for (int i = 0; i < 20; i += 2) {
            testgrading::addIncrement(formulas, maskPoint(i), "waist/40", "%INC(0.5)");
            testgrading::addLikePoint(formulas, maskPoint(i + 1), maskPoint(i));
        }
    }
}

/// Whether the first piece came out as its formulas say: its first rule point moved by the
/// waist and the step, and a rule point without formula moved with its neighbours.
inline bool gradedAsSaid(testgrading::StyleOnMask &style)
{
    constexpr int kFirstSize = 0;
    const DPOINT first =
        style.inputPoint(0, 0)->GetInputPoint()->GetGradeShift({}, {0, kFirstSize});
    const DPOINT free =
        style.inputPoint(0, 30)->GetInputPoint()->GetGradeShift({}, {0, kFirstSize});
    const double steps = kFirstSize - kBaseSize;
    return std::abs(first.x - 0.75 * steps) < 1e-9 && std::abs(first.y - 0.5 * steps) < 1e-9 &&
           std::hypot(free.x, free.y) > 0.1;
}

inline testgrading::StyleOnMask &gradedStyle()
{
    static testgrading::StyleOnMask style(styleFolder().style(), styleFolder().tableSet(),
                                          styleFolder().graded());
    static const bool prepared = [] {
        addFormulas(style.formulas(), style.inputPatterns());
        return style.grade();
    }();
    (void)prepared;
    return style;
}

/// Whether the style loaded and came out as its formulas say; otherwise the benchmark is
/// skipped with the reason.
inline bool isGradedAsSaid(benchmark::State &state, testgrading::StyleOnMask &style)
{
    if (!style.GetProblem().empty() || style.patternCount() != kPieceCount) {
        state.SkipWithError("the style did not load");
        return false;
    }
    if (!gradedAsSaid(style)) {
        state.SkipWithError("the style is not graded as its formulas say");
        return false;
    }
    return true;
}

} // namespace benchstyle
