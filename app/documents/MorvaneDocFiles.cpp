// Morvane program documents.
#include "app/documents/MorvaneDocFiles.h"

#include "app/documents/MorvaneDoc.h"
#include "app/documents/MorvaneWorkspace.h"
#include "app/documents/MvContext.h"
#include "app/tables/MeasureTableDoc.h"

CTaskManager *CMorvaneDocFiles::GetTableSetTaskManager()
{
    return &m_rDocument.GetMeasureTableDoc()->GetTaskManager();
}

bool CMorvaneDocFiles::LoadContext(const std::filesystem::path &file)
{
    CMvContext context;
    if (!context.Load(file))
        return false;
    context.Apply(m_rDocument);
    return true;
}

bool CMorvaneDocFiles::SaveContext(const std::filesystem::path &file)
{
    CMvContext context;
    context.Gather(m_rDocument);
    return context.Save(file);
}

bool CMorvaneDocFiles::LoadDefaultWorkspace()
{
    CMorvaneWorkspace *workspace = m_rDocument.GetWorkspace();
    if (workspace == nullptr || !workspace->Load(CMorvaneWorkspace::GetDefaultWorkspacePath()))
        return false;
    workspace->Apply(false);
    return true;
}

std::filesystem::path CMorvaneDocFiles::GetDefaultContextPath()
{
    return CMorvaneWorkspace::GetDefaultContextPath();
}
