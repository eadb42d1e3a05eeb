// Morvane Brismond table-set library.
// The undo stack of a table set: every change, grouped into steps that undo and redo whole.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

/// The undo and redo history of one table set. Every change of the set is recorded here as a
/// pair of actions (one that undoes it, one that makes it again) through Do. Changes made
/// between BeginStep and the matching EndStep form one step; steps nest, and only the outermost
/// pair closes a step. A change made outside any step is a step of its own. A new step drops
/// what could have been redone.
class CEventHandler;

class CTableSetUndoStack
{
public:
    using Action = std::function<void()>;

    CTableSetUndoStack();
    ~CTableSetUndoStack();
    CTableSetUndoStack(const CTableSetUndoStack &) = delete;
    CTableSetUndoStack &operator=(const CTableSetUndoStack &) = delete;

    /// Opens a step, or a nested one inside an open step.
    void BeginStep();
    /// Closes the innermost open step; the outermost one enters the history when it changed
    /// anything. An EndStep without a BeginStep does nothing.
    void EndStep();
    /// Undoes the newest step; false when there is none or a step is still open.
    bool Undo();
    /// Makes the newest undone step again; false when there is none or a step is still open.
    bool Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    /// Forgets the whole history (after loading or clearing the set). An open step stays open,
    /// empty.
    void Reset();

    /// Runs redo, the change itself, and records it with its undo. While a step is undone or
    /// redone the actions change the set without recording anything.
    void Do(Action undo, Action redo);
    /// Do for a change of one property of an object: each way runs between the before- and
    /// after-change of property sent through handler, and then calls changed (when given).
    void DoChange(CEventHandler &handler, int32_t property, Action undo, Action redo,
                  Action changed = {});

    /// Runs body as one step framed by the begin- and end-update of handler; undoing and redoing
    /// the step is framed the same way.
    void DoUpdate(CEventHandler &handler, const std::function<void()> &body);
    /// Runs body without recording: its changes are made, with their events, but enter no step,
    /// so that a change nobody is to undo (a folder found for an image) leaves the history as it
    /// was.
    void RunUnrecorded(const std::function<void()> &body);

private:
    struct Step;

    void push(std::unique_ptr<Step> step);

    std::vector<std::unique_ptr<Step>> m_aUndoSteps;
    std::vector<std::unique_ptr<Step>> m_aRedoSteps;
    std::unique_ptr<Step> m_pOpenStep;
    int m_nDepth = 0;
    bool m_bReplaying = false;
};
