// Morvane benchmarks.
// A style of 30 pieces of 200 outline points (every fifth a rule point) with 20 formulas each,
// graded over 12 sizes by the grading manager (the files loaded beforehand), beside the AAMA
// model's save of the same graded style; and one grade point dragged and regraded through the
// grading interface of a main document that holds the style, beside the grading of the whole
// style.
#include "ComparingReporter.h"
#include "GradedStyle.h"
#include "StyleDocument.h"
#include "app/grading/PatternGrading.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using namespace benchstyle;

void gradeStyle(benchmark::State &state)
{
    testgrading::StyleOnMask &style = gradedStyle();
    if (!isGradedAsSaid(state, style))
        return;
    for (auto _ : state) {
        if (!style.grade())
            state.SkipWithError("the style did not grade");
    }
}

void saveGradedStyle(benchmark::State &state)
{
    testgrading::StyleOnMask &style = gradedStyle();
    for (auto _ : state) {
        if (style.model->Save() != GM_NO_ERROR)
            state.SkipWithError("the graded style could not be saved");
    }
}

// A rule point of one piece dragged in one size, as the grade-point tool drags it, and the
// style graded again through the document's grading interface.
void regradeAfterDrag(benchmark::State &state)
{
    static StyleDocument style;
    if (!style.IsGraded()) {
        state.SkipWithError("the style did not load or grade in the document");
        return;
    }
    IGradingInterface &grading = *style.document().GetGradingInterface();
    IInputPoint *dragged = style.inputPoint(kPieceCount / 2, 3);
    double step = 0.5;
    dragged->MoveGradePoint({0, 2}, step, -step);
    if (style.staleGradings() != 1) {
        state.SkipWithError("a drag made more than its piece stale");
        return;
    }
    for (auto _ : state) {
        step = -step;
        dragged->MoveGradePoint({0, 2}, step, -step);
        if (!grading.ApplyGradeRules())
            state.SkipWithError("the style did not grade");
    }
}

BENCHMARK(gradeStyle)->Unit(benchmark::kMillisecond);
BENCHMARK(regradeAfterDrag)->Unit(benchmark::kMillisecond);
BENCHMARK(saveGradedStyle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("style: %d pieces of %d points (%d with rules), 20 formulas each, graded over %d "
                "sizes\n",
                kPieceCount, kPointCount, kRulePointCount, kSizeCount);
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("gradeStyle", "saveGradedStyle");
    reporter.printRatio("regradeAfterDrag", "gradeStyle");
    benchmark::Shutdown();
    return 0;
}
