// Morvane benchmarks.
// One mouse move through a grade mask's "MainTask" and "IdleTask", with the focus search of the
// idle tool's rules over a 30-piece style on its mask graded over 12 sizes (by the real
// "FindFocusObject", and by a stand-in that only searches), beside the engine's own mouse move
// through a three-level chart.
#include "ComparingReporter.h"
#include "EngineMouseMove.h"
#include "GeneratedStyle.h"
#include "app/documents/EventRecords.h"
#include "app/interaction/FocusFilterList.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/testing/MaskDocumentOnStyle.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "model/GradeMask.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

using namespace benchstyle;

/// The focus kind of what a hit of the idle tool's search refers to.
int32_t focusKind(const CShapeHit *hit)
{
    if (!hit || !hit->GetRef())
        return CFocusObject::kNothing;
    switch (hit->GetRef()->GetId()) {
    case CFocusFilterList::kPointCode:
    case CFocusFilterList::kMarkPointCode:
        return CFocusObject::kPoint;
    case CFocusFilterList::kPivotCode:
        return CFocusObject::kPivot;
    case CFocusFilterList::kLineCode:
        return CFocusObject::kPolyline;
    case CFocusFilterList::kCentreCode:
        return CFocusObject::kMaskCentre;
    case CFocusFilterList::kRegionCode:
        return CFocusObject::kRegion;
    default:
        return CFocusObject::kNothing;
    }
}

/// The mask's task manager, with its own "FindFocusObject" or a stand-in for it: the running
/// tool's search at the pointer, only the kind of its hit made the focus object.
class BenchMaskTaskManager : public CMaskTaskManager
{
public:
    BenchMaskTaskManager(CFocusManager &focus, bool standIn) : m_focus(focus), m_standIn(standIn)
    {}

protected:
    void RegisterCommands() override
    {
        if (m_standIn)
            AddCommand(
                "FindFocusObject",
                [this](ITask *task, void *data) { return findFocus(task, data); }, nullptr,
                CMT_NO_MODIFY);
        CMaskTaskManager::RegisterCommands();
    }

private:
    bool findFocus(ITask *task, void *data)
    {
        void *published = nullptr;
        task->GetAttributes()->GetPointer("pFocusManager", &published);
        if (!published || !data)
            return false;
        const DPOINT pointer = static_cast<const VIEW_MOUSE_PARAM *>(data)->position;
        const CShapeHit *hit = static_cast<CFocusShapeSet *>(published)->FindShapeAt(pointer.x,
                                                                                     pointer.y);
        const int32_t kind = focusKind(hit);
        auto object = CFocusObject::Create(nullptr, kind);
        object->SetPosition(kind != CFocusObject::kNothing ? hit->GetPoint() : pointer);
        m_focus.SetFocusObject(std::move(object));
        task->GetAttributes()->SetInteger("bIsActiveFocused", 0);
        return true;
    }

    CFocusManager &m_focus;
    bool m_standIn;
};

/// The style on its mask, graded, the first pattern active with automatic rotation on (so the
/// idle tool has its 13 rules), its task manager running the idle tool.
class MaskUnderThePointer
{
public:
    explicit MaskUnderThePointer(bool standIn)
        : m_document(styleFolder().style(), styleFolder().tableSet(), m_scratch.path())
        , m_tasks(m_document.focus, standIn)
    {
        m_document.useTaskManager(&m_tasks);
        m_tasks.Create(&m_document.services);
        m_tasks.Run();
        m_tasks.DispatchEvent("OnActivate", nullptr);
        m_tasks.GetMainTask()->GetAttributes()->SetInteger("bAutoRotate", 1);
        m_document.displayFlags.SetShowGrading(true);
        m_document.style().grade();
        CGradeMask &mask = m_document.style().mask();
        m_document.focus.SetActiveObject(
            CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern));
        // Start the idle tool again, now that its rules see the pivot's items.
        m_tasks.DispatchEvent("OnDeactivate", nullptr);
        m_tasks.DispatchEvent("OnActivate", nullptr);
        // On a piece's outline, then between two pieces.
        for (int i = 0; i < kPieceCount; ++i) {
            m_probes.push_back({400.0 * i + 150.0, 0.0});
            m_probes.push_back({400.0 * i + 200.0, 40.0 * (i % 7) - 120.0});
        }
    }

    bool isReady() const
    {
        return m_document.GetProblem().empty() && m_tasks.GetTaskStatus("IdleTask") == TS_ACTIVE;
    }
    void move(size_t i)
    {
        m_mouse.position = m_probes[i % m_probes.size()];
        m_tasks.GetMainTask()->GetAttributes()->SetInteger("dist", 0);
        m_tasks.DispatchEvent("OnMouseMoveD", &m_mouse);
        m_nHits += m_document.focus.GetFocusObject()->GetType() != CFocusObject::kNothing;
    }
    int hits() const { return m_nHits; }

private:
    TemporaryFolder m_scratch{"morvane-mouse-bench"};
    testinteraction::MaskDocumentOnStyle m_document;
    BenchMaskTaskManager m_tasks;
    std::vector<DPOINT> m_probes;
    VIEW_MOUSE_PARAM m_mouse;
    int m_nHits = 0;
};

void moveOver(MaskUnderThePointer &mask, benchmark::State &state)
{
    if (!mask.isReady()) {
        state.SkipWithError("the style did not load, or the idle tool does not run");
        return;
    }
    size_t i = 0;
    for (auto _ : state)
        mask.move(i++);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("moves; " + std::to_string(mask.hits()) + " over a pattern");
}

void maskMouseMove(benchmark::State &state)
{
    static MaskUnderThePointer mask(false);
    moveOver(mask, state);
}

void maskMouseMoveStandIn(benchmark::State &state)
{
    static MaskUnderThePointer mask(true);
    moveOver(mask, state);
}

BENCHMARK(maskMouseMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(maskMouseMoveStandIn)->Unit(benchmark::kMicrosecond);
using morvane::bench::BM_DispatchMouseMove;
BENCHMARK(BM_DispatchMouseMove)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("one mouse move through \"MainTask\" and \"IdleTask\": %d pieces of %d points on "
                "their mask, graded over %d sizes, the idle tool's 13 rules; target 200 us\n",
                kPieceCount, kPointCount, kSizeCount);
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("maskMouseMove", "BM_DispatchMouseMove");
    reporter.printRatio("maskMouseMoveStandIn", "BM_DispatchMouseMove");
    reporter.printRatio("maskMouseMove", "maskMouseMoveStandIn");
    benchmark::Shutdown();
    return 0;
}
