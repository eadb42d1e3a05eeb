// Morvane Brismond table-set library.
// The undo stack of a table set: every change, grouped into steps that undo and redo whole.
#include "platform/brismond/TableSetUndoStack.h"

#include "foundation/EventHandler.h"

#include <utility>

struct CTableSetUndoStack::Step
{
    struct Change
    {
        Action undo;
        Action redo;
    };
    std::vector<Change> changes;

    void undo() const
    {
        for (auto change = changes.rbegin(); change != changes.rend(); ++change)
            change->undo();
    }
    void redo() const
    {
        for (const Change &change : changes)
            change.redo();
    }
};

namespace {

// Marks the stack as replaying a step (recording nothing) for as long as it lives.
class Replaying
{
public:
    explicit Replaying(bool &flag)
        : m_flag(flag)
        , m_bWas(flag)
    {
        m_flag = true;
    }
    ~Replaying() { m_flag = m_bWas; }
    Replaying(const Replaying &) = delete;
    Replaying &operator=(const Replaying &) = delete;

private:
    bool &m_flag;
    bool m_bWas;
};

} // namespace

CTableSetUndoStack::CTableSetUndoStack() = default;
CTableSetUndoStack::~CTableSetUndoStack() = default;

void CTableSetUndoStack::BeginStep()
{
    if (m_nDepth++ == 0)
        m_pOpenStep = std::make_unique<Step>();
}

void CTableSetUndoStack::EndStep()
{
    if (m_nDepth == 0 || --m_nDepth > 0)
        return;
    if (!m_pOpenStep->changes.empty())
        push(std::move(m_pOpenStep));
    m_pOpenStep.reset();
}

bool CTableSetUndoStack::Undo()
{
    if (!CanUndo())
        return false;
    std::unique_ptr<Step> step = std::move(m_aUndoSteps.back());
    m_aUndoSteps.pop_back();
    {
        const Replaying replaying(m_bReplaying);
        step->undo();
    }
    m_aRedoSteps.push_back(std::move(step));
    return true;
}

bool CTableSetUndoStack::Redo()
{
    if (!CanRedo())
        return false;
    std::unique_ptr<Step> step = std::move(m_aRedoSteps.back());
    m_aRedoSteps.pop_back();
    {
        const Replaying replaying(m_bReplaying);
        step->redo();
    }
    m_aUndoSteps.push_back(std::move(step));
    return true;
}

bool CTableSetUndoStack::CanUndo() const
{
    return m_nDepth == 0 && !m_aUndoSteps.empty();
}

bool CTableSetUndoStack::CanRedo() const
{
    return m_nDepth == 0 && !m_aRedoSteps.empty();
}

void CTableSetUndoStack::Reset()
{
    m_aUndoSteps.clear();
    m_aRedoSteps.clear();
    if (m_pOpenStep != nullptr)
        m_pOpenStep->changes.clear();
}

void CTableSetUndoStack::Do(Action undo, Action redo)
{
    redo();
    if (m_bReplaying)
        return;
    if (m_pOpenStep != nullptr) {
        m_pOpenStep->changes.push_back({std::move(undo), std::move(redo)});
        return;
    }
    auto step = std::make_unique<Step>();
    step->changes.push_back({std::move(undo), std::move(redo)});
    push(std::move(step));
}

void CTableSetUndoStack::DoChange(CEventHandler &handler, int32_t property, Action undo,
                                  Action redo, Action changed)
{
    const auto framed = [&handler, property, changed](const Action &apply) {
        handler.SendBeforeChange(property);
        apply();
        handler.SendAfterChange(property);
        if (changed)
            changed();
    };
    Do([framed, undo] { framed(undo); }, [framed, redo] { framed(redo); });
}

void CTableSetUndoStack::DoUpdate(CEventHandler &handler, const std::function<void()> &body)
{
    BeginStep();
    Do([&handler] { handler.SendEndUpdate(); }, [&handler] { handler.SendBeginUpdate(); });
    body();
    Do([&handler] { handler.SendBeginUpdate(); }, [&handler] { handler.SendEndUpdate(); });
    EndStep();
}

void CTableSetUndoStack::push(std::unique_ptr<Step> step)
{
    m_aRedoSteps.clear();
    m_aUndoSteps.push_back(std::move(step));
}

void CTableSetUndoStack::RunUnrecorded(const std::function<void()> &body)
{
    const Replaying unrecorded(m_bReplaying);
    body();
}
