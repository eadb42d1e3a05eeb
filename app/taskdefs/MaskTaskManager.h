// Morvane interactive tasks.
// The task manager of one grade mask: its tools, commands and undo history.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "tasks/TaskManager.h"

class IMenuPresenter;
class IMouseCapture;

/// Runs the interactive tools of one grade-mask document. It registers the commands and task
/// templates of the registration table, in its order (those whose classes are not built yet are
/// awaited: the charts leave them out), and runs "MainTask". Its data object is the main
/// document's IDocumentServices, given to Create; its undo history is the mask's own.
class CMaskTaskManager : public CTaskManager, public morvane::IAwaitedRegistrations
{
public:
    CMaskTaskManager();
    ~CMaskTaskManager() override;

    /// A name of the registration table whose class is not registered.
    bool IsAwaited(const std::string &name) const override;

    /// What shows the tools' context menus (not owned); none: no menu is shown.
    void SetMenuPresenter(IMenuPresenter *presenter) { m_pMenuPresenter = presenter; }
    IMenuPresenter *GetMenuPresenter() const { return m_pMenuPresenter; }
    /// What releases the mouse capture (not owned); none: releasing does nothing.
    void SetMouseCapture(IMouseCapture *capture) { m_pMouseCapture = capture; }
    IMouseCapture *GetMouseCapture() const { return m_pMouseCapture; }

    /// The mask task manager that runs the task; null for a task of another manager.
    static CMaskTaskManager *OfTask(ITask *task);

protected:
    /// The built templates of the table, in order; then "MainTask" becomes the main task.
    void RegisterTaskTemplates() override;
    /// The built commands of the table, in order.
    void RegisterCommands() override;

private:
    IMenuPresenter *m_pMenuPresenter = nullptr;
    IMouseCapture *m_pMouseCapture = nullptr;
};
