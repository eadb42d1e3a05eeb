// Morvane interactive tasks.
// When the tools that draw on mask patterns may start.
#include "app/taskdefs/PatternToolStartGuard.h"

#include "app/documents/IDocumentServices.h"
#include "app/taskdefs/TaskDocument.h"
#include "model/GradeMask.h"

namespace morvane {

bool canStartPatternTool(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr || !services->IsEditMode())
        return false;
    const IGradeMask *mask = services->GetActiveGradeMask();
    return mask != nullptr && mask->GetPatternCount() > 0;
}

} // namespace morvane
