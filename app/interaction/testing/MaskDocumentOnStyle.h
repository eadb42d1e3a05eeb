// Morvane program interaction test support.
// A grade-mask document without windows over a style on a mask: its task manager, focus
// manager, modes and state objects set up as the program's document sets them up.
#pragma once

#include "app/documents/AnnouncedList.h"
#include "app/documents/testing/FakeDocumentServices.h"
#include "app/grading/testing/StyleOnMask.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MeasureLine.h"
#include "app/interaction/RotationPivot.h"
#include "app/tables/GradeSizeSelection.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/TaskManager.h"

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace testinteraction {

/// The variables the main task of a mask declares, with their initial values.
inline const std::vector<std::pair<std::string, std::string>> kMainTaskVariables = {
    {"nSnapMode", "0"},         {"bAutoMove", "0"},         {"bAutoRotate", "0"},
    {"nMeasureMode", "0"},      {"nSelectionMode", "0"},    {"nFocusObjectType", "0"},
    {"nFocusDetailType", "0"},  {"nActiveObjectType", "0"}, {"bAllActiveFromMask", "0"},
    {"EditToolMode", "0"},      {"addRegionMode", "0"},
};

/// A task manager whose main task "MainTask" declares kMainTaskVariables (writable by its
/// sub-tasks) and "pFocusManager", waits in "Idle", and runs each tool added before start as a
/// sub-task on the event "Start" + its name, back to "Idle" on the tool's "OnExit" and
/// "OnCancel". Chart problems are kept in diagnostics.
class ToolTaskManager : public CTaskManager
{
public:
    ToolTaskManager();

    /// A tool template, registered at start.
    void addTool(const std::string &name, std::unique_ptr<ITaskDefinition> definition);
    /// Creates the tasks with the main document as data object and runs the main task.
    void start(IDocumentServices *services);

    std::vector<std::string> diagnostics;

protected:
    void RegisterTaskTemplates() override;
    void RegisterCommands() override {}

private:
    std::vector<std::pair<std::string, std::unique_ptr<ITaskDefinition>>> m_tools;
    std::vector<std::string> m_toolNames;
};

/// A grade-mask document over a style read from files and placed on a mask (StyleOnMask): its
/// handler is the parent of the mask's, the focus manager's, the modes' and the pivot's; the
/// focus manager hears it and the input patterns, the pivot hears it. The main document (a
/// FakeDocumentServices) answers this document, the style's mask, input patterns and table set,
/// the display flags, and the sizes of table 0 as the shown sizes. Tools added through tasks()
/// run once start() has run.
class MaskDocumentOnStyle : public IMaskDocumentAccess
{
public:
    MaskDocumentOnStyle(const std::filesystem::path &style, const std::filesystem::path &tableSet,
                        const std::filesystem::path &scratchFolder);
    ~MaskDocumentOnStyle() override;
    MaskDocumentOnStyle(const MaskDocumentOnStyle &) = delete;
    MaskDocumentOnStyle &operator=(const MaskDocumentOnStyle &) = delete;

    /// Creates and runs the task manager.
    void start() { m_tasks.start(&services); }
    /// Lets another task manager (not owned), created with the services by the caller, stand
    /// for the document's own: the focus objects and modes then write its main task's
    /// variables. For before start().
    void useTaskManager(CTaskManager *manager)
    {
        m_pTaskManager = manager;
        services.taskManager = manager;
    }
    /// Dispatches "Start" + the tool's name; answers whether the tool runs.
    bool startTool(const std::string &name);

    const std::string &GetProblem() const { return m_style.GetProblem(); }
    testgrading::StyleOnMask &style() { return m_style; }
    ToolTaskManager &tasks() { return m_tasks; }
    CEventHandler &handler() { return m_handler; }
    /// The main task's integer variable.
    int mainVariable(const std::string &name);

    IDocumentServices *GetServices() override { return &services; }
    IGradeMask *GetGradeMask() override { return &m_style.mask(); }
    CTaskManager *GetTaskManager() override { return m_pTaskManager; }
    CFocusManager *GetFocusManager() override { return &focus; }
    CInteractionModes *GetInteractionModes() override { return &modes; }
    CMeasureLine *GetMeasureLine() override { return &measureLine; }
    CGradePathEditor *GetGradePathEditor() override { return &pathEditor; }
    CRotationPivot *GetRotationPivot() override { return &pivot; }
    int AddFocusPolyline(std::unique_ptr<CFocusObject> polyline) override
    {
        return m_oFocusPolylines.Add(std::move(polyline));
    }
    int GetFocusPolylineCount() const override { return m_oFocusPolylines.GetCount(); }
    CFocusObject *GetFocusPolylineAt(int index) const override
    {
        return m_oFocusPolylines.GetAt(index);
    }
    void RemoveFocusPolylineAt(int index) override { m_oFocusPolylines.RemoveAt(index); }
    void ClearFocusPolylines() override { m_oFocusPolylines.Clear(); }

    morvane::FakeDocumentServices services;
    CDisplayFlags displayFlags;
    CGradeSizeSelection sizes;
    CCursorTable cursors;
    CFocusManager focus;
    CInteractionModes modes;
    CRotationPivot pivot;
    CGradePathEditor pathEditor;
    CMeasureLine measureLine;

private:
    void showSizesOfFirstTable();

    testgrading::StyleOnMask m_style;
    CEventHandler m_handler;
    morvane::AnnouncedList<CFocusObject> m_oFocusPolylines{m_handler, 106};
    ToolTaskManager m_tasks;
    CTaskManager *m_pTaskManager = &m_tasks;
};

} // namespace testinteraction
