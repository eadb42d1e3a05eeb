// Morvane interactive tasks.
// When the tools that add to a mask's patterns may start.
#include "app/taskdefs/ToolStartGuard.h"

#include "app/documents/IDocumentServices.h"
#include "app/taskdefs/TaskDocument.h"
#include "model/GradeMask.h"

namespace morvane {

bool CanStartPatternEditTool(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr || !services->IsEditMode())
        return false;
    const IGradeMask *mask = services->GetActiveGradeMask();
    return mask != nullptr && mask->GetPatternCount() > 0;
}

} // namespace morvane
