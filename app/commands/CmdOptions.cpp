// Morvane editing commands.
// "Options": the options dialog.
#include "app/commands/CmdOptions.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/documents/IUserInterface.h"
#include "app/tables/MeasureTableDoc.h"

CCmdOptions::CCmdOptions()
{
    CreateWith("Options", false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdOptions::Clone() const
{
    return std::make_unique<CCmdOptions>(*this);
}

bool CCmdOptions::OnExecute(void *)
{
    IDocumentServices *services = GetServices();
    if (services == nullptr)
        return false;
    const bool wasRelative = services->GetOptions().GetBoolOption("RELATIVE_MODE");
    services->GetUserInterface().GetOptionsDialog().ShowOptionsDialog();
    const bool relative = services->GetOptions().GetBoolOption("RELATIVE_MODE");
    if (relative != wasRelative)
        services->GetMeasureTableDoc()->SetRelativeMode(relative);
    return true;
}
