// Morvane benchmarks.
// A style of 30 pieces of 200 outline points (every fifth a rule point) with 20 formulas each,
// graded over 12 sizes by the grading manager (the files loaded beforehand), beside the AAMA
// model's save of the same graded style; and one grade point dragged and regraded through the
// grading interface of a main document that holds the style, beside the grading of the whole
// style.
#include "ComparingReporter.h"
#include "GradedStyle.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/testing/FakeGradingEvents.h"
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

/// The generated style held as the program holds it: a main document that loads it by kind, one
/// grade mask made active with every piece on it and the formulas of addFormulas, graded once.
/// Every change reaches the grading through the document's notifications.
class StyleDocument
{
public:
    StyleDocument()
    {
        IGradeModel *model = nullptr;
        if (!m_doc.GetMeasureTableDoc()->LoadFromFile(styleFolder().tableSet()) ||
            !GetGradeModel(GMK_AAMA, &model) ||
            model->Load(styleFolder().style().string()) != GM_NO_ERROR)
            return;
        model->OnAttach(&m_doc.GetTableSet()->GetGradeData());
        m_doc.SetGradeModel(model, GMK_AAMA);
        CGradeMaskDocArray &masks = *m_doc.GetMaskDocs();
        masks.InsertAt(0, masks.CreateMaskDoc());
        m_doc.SetActiveMaskDoc(masks.GetAt(0));
        auto &mask = static_cast<CGradeMask &>(*m_doc.GetActiveGradeMask());
        IInputPatterns &patterns = *m_doc.GetInputPatterns();
        testgrading::placeInputPatterns(mask, patterns);
        addFormulas(mask.GetFormulas(), patterns);
        m_doc.OnBeginGrading();
        m_bGraded = m_doc.GetGradingInterface()->ApplyGradeRules();
    }

    bool IsGraded() const { return m_bGraded; }
    CMorvaneDoc &document() { return m_doc; }
    /// Grade point i of piece p.
    IInputPoint *inputPoint(int p, int i)
    {
        return m_doc.GetInputPatterns()->GetPatternAt(p)->GetBasePointAt(i)->GetInputPoint();
    }
    /// How many pieces must grade again.
    int staleGradings()
    {
        int stale = 0;
        const CGradingManager &manager = m_doc.GetGradingManager();
        for (int p = 0; p < manager.GetPatternGradingCount(); ++p)
            stale += manager.GetPatternGradingAt(p)->NeedsGrading() ? 1 : 0;
        return stale;
    }

private:
    morvane::FakeOptions m_options;
    testgrading::RecordingMessages m_prompt;
    CMorvaneDoc m_doc{m_options, m_prompt};
    bool m_bGraded = false;
};

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
