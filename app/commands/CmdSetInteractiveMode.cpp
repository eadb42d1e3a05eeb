// Morvane editing commands.
// "SetInteractiveMode": automatic moving and rotating of the tools, switched on and off.
#include "app/commands/CmdSetInteractiveMode.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/RotationPivot.h"
#include "tasks/ICommandAttributes.h"

namespace {

int variable(const ICommandAttributes &variables, const char *name)
{
    int value = 0;
    variables.GetInteger(name, &value);
    return value;
}

void toggle(ICommandAttributes &variables, const char *name)
{
    variables.SetInteger(name, variable(variables, name) == 0 ? 1 : 0);
}

} // namespace

CCmdSetInteractiveMode::CCmdSetInteractiveMode()
{
    Create("SetInteractiveMode");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSetInteractiveMode::Clone() const
{
    return std::make_unique<CCmdSetInteractiveMode>(*this);
}

bool CCmdSetInteractiveMode::OnExecute(void *data)
{
    ICommandAttributes *variables = GetAttributes();
    if (variables == nullptr)
        return false;
    switch (morvane::eventDataInteger(data)) {
    case kSwitchOff:
        variables->SetInteger(
            variable(*variables, "bAutoRotate") != 0 ? "bAutoRotate" : "bAutoMove", 0);
        break;
    case kAutoRotate:
        toggle(*variables, "bAutoRotate");
        if (IDocumentServices *document = GetDocument()) {
            if (CRotationPivot *pivot = document->GetRotationPivot())
                pivot->NotifyChanged();
        }
        break;
    case kAutoMove:
        toggle(*variables, "bAutoMove");
        break;
    default:
        break;
    }
    return true;
}
