// Morvane benchmarks.
// The focus search of one pointer move over a 30-piece style on its mask graded over 12 sizes,
// with the idle tool's 13 rules (in the base size, and with one reference per shown size), with
// the pointer between the pieces and on their outlines, and the first move after a change of the
// model or of the zoom, beside a plain loop measuring the same points and segments.
#include "ComparingReporter.h"
#include "GeneratedStyle.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/testing/MaskDocumentOnStyle.h"
#include "foundation/Geometry.h"
#include "model/GradeMask.h"
#include "tasks/Task.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace benchstyle;

/// The idle tool's rules while the rotation pivot has items (so 13), in its columns: object
/// kind, detail kind, tolerance, snap tolerance, membership, source; the point mode comes
/// apart.
struct IdleRule
{
    int32_t objectKind;
    int32_t detailKind;
    int32_t tolerance;
    int32_t snapTolerance;
    int32_t membership;
    int32_t source;
};
constexpr IdleRule kIdleRules[] = {
    {3, 0, 5, 5, 0, 2},   {4, 1, 7, 7, 0, 0},   {2, 1, 3, 100, 0, 2}, {1, 1, 3, 100, 0, 2},
    {6, 1, 3, 3, 0, 0},   {0, 2, 3, 100, 4, 2}, {0, 3, 3, 100, 3, 2}, {4, 4, 7, 7, 1, 0},
    {2, 5, 3, 3, 1, 2},   {0, 6, 3, 3, 1, 2},   {6, 7, 3, 3, 1, 0},   {5, 8, 3, 3, 0, 0},
    {5, 9, 3, 3, 1, 0},
};

/// The same geometry as the search's references, copied out: every point and every polyline.
struct PlainGeometry
{
    std::vector<DPOINT> points;
    std::vector<std::vector<DPOINT>> polylines;
};

/// The style on its mask with the first pattern active and automatic rotation on, and a focus
/// search with the idle rules, each pattern rule in the point mode given.
class FocusSearch
{
public:
    explicit FocusSearch(int32_t patternPointMode)
        : m_document(styleFolder().style(), styleFolder().tableSet(), m_scratch.path())
    {
        m_document.start();
        m_document.tasks().GetMainTask()->GetAttributes()->SetInteger("bAutoRotate", 1);
        m_document.displayFlags.SetShowGrading(true);
        m_document.style().grade();
        CGradeMask &mask = m_document.style().mask();
        m_document.focus.SetActiveObject(
            CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern));
        m_shapes.SetOwner(&m_document.services, &m_document);
        for (const IdleRule &rule : kIdleRules) {
            const bool patternRule = rule.objectKind <= 2;
            m_shapes.GetFilterList().AddFilter(rule.objectKind, rule.detailKind, rule.tolerance,
                                               rule.snapTolerance, rule.membership, rule.source,
                                               patternRule ? patternPointMode : 0);
        }
        m_shapes.Rebuild();
        for (int i = 0; i < kPieceCount; ++i) {
            m_betweenPieces.push_back({400.0 * i + 200.0, 40.0 * (i % 7) - 120.0});
            // Just off a point of the base outline, where the graded outlines crowd.
            const AamaPiecePoint &point = stylePiece(i).m_oBoundaryPoints[(37 * i) % kPointCount];
            m_onOutlines.push_back({point.m_dX + 1.0, point.m_dY + 1.0});
        }
        copyGeometry();
    }

    bool isReady() const { return m_document.GetProblem().empty() && m_shapes.GetShapeCount() > 0; }
    int referenceCount() const { return m_shapes.GetShapeCount(); }

    /// Between the pieces, where nothing is near; just off the outlines, where many references
    /// are near.
    const std::vector<DPOINT> &betweenPieces() const { return m_betweenPieces; }
    const std::vector<DPOINT> &onOutlines() const { return m_onOutlines; }

    const CShapeHit *search(const DPOINT &probe) { return m_shapes.FindShapeAt(probe.x, probe.y); }
    /// The references made anew, as after a change of the model.
    void rebuild() { m_shapes.Rebuild(); }

    /// The nearest distance from the probe to the copied points and segments.
    double plainSearch(const DPOINT &probe) const
    {
        double nearest = CShapeHit::kNoDistance;
        for (const DPOINT &point : m_plain.points)
            nearest = std::min(nearest, GetDPointDistance(probe, point));
        for (const std::vector<DPOINT> &line : m_plain.polylines) {
            for (size_t k = 0; k + 1 < line.size(); ++k)
                nearest = std::min(nearest, GetDistanceToSegment(probe.x, probe.y, line[k].x,
                                                                 line[k].y, line[k + 1].x,
                                                                 line[k + 1].y));
        }
        return nearest;
    }

private:
    void copyGeometry()
    {
        for (int i = 0; i < m_shapes.GetShapeCount(); ++i) {
            const CShapeRef &ref = m_shapes.GetShapeAt(i);
            if (const IPositionShape *shape = ref.GetPositionShape()) {
                DPOINT point;
                shape->GetElementPosition(ref.GetElement(), point.x, point.y);
                m_plain.points.push_back(point);
            } else if (const IPointSetShape *shape = ref.GetPointSetShape()) {
                std::vector<DPOINT> &line = m_plain.polylines.emplace_back();
                line.resize(shape->GetElementPointCount(ref.GetElement()));
                for (size_t k = 0; k < line.size(); ++k)
                    shape->GetElementPoint(ref.GetElement(), static_cast<int>(k), line[k].x,
                                           line[k].y);
            }
        }
    }

    TemporaryFolder m_scratch{"morvane-focus-bench"};
    testinteraction::MaskDocumentOnStyle m_document;
    CFocusShapeSet m_shapes;
    std::vector<DPOINT> m_betweenPieces;
    std::vector<DPOINT> m_onOutlines;
    PlainGeometry m_plain;
};

FocusSearch &baseSearch()
{
    static FocusSearch search(CFocusFilter::kBaseShape);
    return search;
}

FocusSearch &perSizeSearch()
{
    static FocusSearch search(CFocusFilter::kEveryShownSize);
    return search;
}

void runSearch(benchmark::State &state, FocusSearch &search,
               const std::vector<DPOINT> &(FocusSearch::*probes)() const)
{
    if (!search.isReady()) {
        state.SkipWithError("the style did not load");
        return;
    }
    const std::vector<DPOINT> &points = (search.*probes)();
    size_t i = 0;
    int64_t hits = 0;
    for (auto _ : state) {
        const CShapeHit *hit = search.search(points[i++ % points.size()]);
        benchmark::DoNotOptimize(hit);
        hits += hit != nullptr ? 1 : 0;
    }
    state.counters["references"] = search.referenceCount();
    state.counters["hit share"] =
        state.iterations() > 0 ? static_cast<double>(hits) / state.iterations() : 0.0;
}

void runSearchAfterChange(benchmark::State &state, FocusSearch &search)
{
    const std::vector<DPOINT> &points = search.onOutlines();
    size_t i = 0;
    for (auto _ : state) {
        search.rebuild();
        benchmark::DoNotOptimize(search.search(points[i++ % points.size()]));
    }
}

/// The view's zoom, installed for the focus searches while it lives.
class InstalledZoom : public morvane::IViewZoomSource
{
public:
    InstalledZoom() { CFocusShapeSet::SetViewZoomSource(this); }
    ~InstalledZoom() override { CFocusShapeSet::SetViewZoomSource(nullptr); }
    double GetZoom() const override { return zoom; }

    double zoom = 1.0;
};

void runSearchAfterZoom(benchmark::State &state, FocusSearch &search)
{
    const std::vector<DPOINT> &points = search.onOutlines();
    InstalledZoom installed;
    size_t i = 0;
    for (auto _ : state) {
        installed.zoom = i % 2 == 0 ? 2.0 : 1.0;
        benchmark::DoNotOptimize(search.search(points[i++ % points.size()]));
    }
}

void runPlainLoop(benchmark::State &state, FocusSearch &search)
{
    const std::vector<DPOINT> &points = search.betweenPieces();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(search.plainSearch(points[i++ % points.size()]));
}

void focusSearch(benchmark::State &state)
{
    runSearch(state, baseSearch(), &FocusSearch::betweenPieces);
}

void focusSearchOnOutlines(benchmark::State &state)
{
    runSearch(state, baseSearch(), &FocusSearch::onOutlines);
}

void plainLoop(benchmark::State &state)
{
    runPlainLoop(state, baseSearch());
}

void focusSearchPerSize(benchmark::State &state)
{
    runSearch(state, perSizeSearch(), &FocusSearch::betweenPieces);
}

void focusSearchPerSizeOnOutlines(benchmark::State &state)
{
    runSearch(state, perSizeSearch(), &FocusSearch::onOutlines);
}

void focusSearchPerSizeAfterChange(benchmark::State &state)
{
    runSearchAfterChange(state, perSizeSearch());
}

void focusSearchPerSizeAfterZoom(benchmark::State &state)
{
    runSearchAfterZoom(state, perSizeSearch());
}

void plainLoopPerSize(benchmark::State &state)
{
    runPlainLoop(state, perSizeSearch());
}

BENCHMARK(focusSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(focusSearchOnOutlines)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(focusSearchPerSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(focusSearchPerSizeOnOutlines)->Unit(benchmark::kMicrosecond);
BENCHMARK(focusSearchPerSizeAfterChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(focusSearchPerSizeAfterZoom)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainLoopPerSize)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("focus search of one pointer move: %d pieces of %d points on their mask and as "
                "input patterns, graded over %d sizes, the idle tool's 13 rules; target 200 us\n",
                kPieceCount, kPointCount, kSizeCount);
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("focusSearch", "plainLoop");
    reporter.printRatio("focusSearchOnOutlines", "plainLoop");
    reporter.printRatio("focusSearchPerSize", "plainLoopPerSize");
    reporter.printRatio("focusSearchPerSizeOnOutlines", "plainLoopPerSize");
    reporter.printRatio("focusSearchPerSizeAfterChange", "plainLoopPerSize");
    reporter.printRatio("focusSearchPerSizeAfterZoom", "plainLoopPerSize");
    benchmark::Shutdown();
    return 0;
}
