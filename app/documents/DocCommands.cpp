// Morvane program documents.
// The document's menu commands on the focused point, contexts, workspaces and the test model.
#include "app/documents/DocCommands.h"

#include "app/documents/GradeModelKind.h"
#include "app/documents/IFileChooser.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/MvContext.h"
#include "app/documents/TestRectangle.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusObject.h"
#include "model/BasePoint.h"
#include "platform/brismond/IBrismond.h"
#include "sources/client-model/GeomPattern.h"

#include <optional>

namespace {

FileDialogRequest fileTypeRequest(const char *extension, const char *filter)
{
    FileDialogRequest request;
    request.defaultExtension = extension;
    request.filter = filter;
    return request;
}

FileDialogRequest contextFiles()
{
    return fileTypeRequest("cct", "Context (*.cct)|*.cct|All Files (*.*)|*.*||");
}

FileDialogRequest workspaceFiles()
{
    return fileTypeRequest("mvw", "Workspace (*.mvw)|*.mvw|All Files (*.*)|*.*||");
}

/// The test model: its one pattern, the test rectangle.
void buildTestRectangle(CClientGradeModel &model)
{
    model.SetName("Test Model");
    AddTestRectangle(*model.GetGeomPatternAt(model.AddPattern("Rectangle")));
}

} // namespace

CBasePoint *CDocCommands::focusedPoint() const
{
    CFocusManager *focus = m_pDocument != nullptr ? m_pDocument->GetFocusManager() : nullptr;
    CFocusObject *object = focus != nullptr ? focus->GetFocusObject() : nullptr;
    return object != nullptr ? dynamic_cast<CBasePoint *>(object->GetItem()) : nullptr;
}

bool CDocCommands::canDispatchOnPoint(const char *event) const
{
    return m_pDocument != nullptr && m_pDocument->GetActiveMaskDoc() != nullptr
           && m_pDocument->GetTaskManager()->CanDispatchEvent(event, focusedPoint());
}

void CDocCommands::dispatchOnPoint(const char *event)
{
    if (canDispatchOnPoint(event))
        m_pDocument->GetTaskManager()->DispatchEvent(event, focusedPoint());
}

void CDocCommands::DeletePoint()
{
    dispatchOnPoint("DeletePoint");
}

bool CDocCommands::CanDeletePoint() const
{
    return canDispatchOnPoint("DeletePoint");
}

void CDocCommands::CombinePolylinesAtPoint()
{
    dispatchOnPoint("CombinePolylinesAtPoint");
}

bool CDocCommands::CanCombinePolylinesAtPoint() const
{
    return canDispatchOnPoint("CombinePolylinesAtPoint");
}

void CDocCommands::SplitPolyline()
{
    dispatchOnPoint("SplitPolyline");
}

bool CDocCommands::CanSplitPolyline() const
{
    return canDispatchOnPoint("SplitPolyline");
}

void CDocCommands::ToggleGradeType()
{
    CBasePoint *point = CanDeletePoint() ? focusedPoint() : nullptr;
    if (point == nullptr)
        return;
    if (point->GetGradeType() == GRADE_POINT_INTERMEDIATE)
        point->SetGradeType(GRADE_POINT_GRADE);
    else if (point->GetGradeType() == GRADE_POINT_GRADE)
        point->SetGradeType(GRADE_POINT_INTERMEDIATE);
}

void CDocCommands::LoadContext()
{
    if (m_pDocument == nullptr)
        return;
    const std::optional<std::filesystem::path> file =
        m_pDocument->GetUserInterface().GetFileChooser().ChooseFileToOpen(contextFiles());
    CMvContext context;
    if (file && context.Load(*file))
        context.Apply(*m_pDocument);
}

void CDocCommands::SaveContext()
{
    if (m_pDocument == nullptr)
        return;
    const std::optional<std::filesystem::path> file =
        m_pDocument->GetUserInterface().GetFileChooser().ChooseFileToSave(contextFiles());
    if (!file)
        return;
    CMvContext context;
    context.Gather(*m_pDocument);
    context.Save(*file);
}

void CDocCommands::LoadWorkspace()
{
    if (m_pDocument == nullptr)
        return;
    const std::optional<std::filesystem::path> file =
        m_pDocument->GetUserInterface().GetFileChooser().ChooseFileToOpen(workspaceFiles());
    if (!file)
        return;
    CTaskManager &manager = *m_pDocument->GetWorkspaceTaskManager();
    if (manager.CanDispatchEvent("CloseAllMasks", nullptr))
        manager.DispatchEvent("CloseAllMasks", nullptr);
    CMorvaneWorkspace &workspace = *m_pDocument->GetWorkspace();
    if (!workspace.Load(*file))
        return;
    workspace.Apply(true);
    IBrismond *tables = m_pDocument->GetTableSet();
    if (tables != nullptr && tables->GetTableCount() > 0)
        m_pDocument->GetMeasureTableDoc()->SetActiveTable(tables->GetTableAt(0));
}

void CDocCommands::SaveWorkspace()
{
    if (m_pDocument == nullptr)
        return;
    const std::optional<std::filesystem::path> file =
        m_pDocument->GetUserInterface().GetFileChooser().ChooseFileToSave(workspaceFiles());
    if (file)
        m_pDocument->GetWorkspace()->Save(*file);
}

void CDocCommands::TestModel()
{
    if (!CanTestModel())
        return;
    CGradeMaskDoc *active = m_pDocument->GetActiveMaskDoc();
    if (active != nullptr)
        active->GetTaskManager()->DispatchEvent("OnDeactivate", nullptr);
    auto model = std::make_unique<CClientGradeModel>();
    buildTestRectangle(*model);
    model->PrepareData();
    model->OnAttach(&m_pDocument->GetTableSet()->GetGradeData());
    m_pDocument->GetWorkspace()->SetInputPatternFile("Test");
    m_pDocument->SetOwnedGradeModel(std::move(model));
    m_pDocument->GetMaskDocs()->ClearUndoHistories();
    if (active != nullptr)
        active->GetTaskManager()->DispatchEvent("OnActivate", nullptr);
}

bool CDocCommands::CanTestModel() const
{
    return m_pDocument != nullptr && m_pDocument->CanDeactivate();
}
