// Morvane editing commands.
// "ShowGrading": the graded sizes of the patterns are shown or hidden.
#include "app/commands/CmdShowGrading.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"

CCmdShowGrading::CCmdShowGrading()
{
    Create("ShowGrading");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdShowGrading::Clone() const
{
    return std::make_unique<CCmdShowGrading>(*this);
}

bool CCmdShowGrading::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    CDisplayFlags *flags = document != nullptr ? document->GetDisplayFlags() : nullptr;
    if (flags == nullptr)
        return false;
    flags->SetShowGrading(data != nullptr);
    return true;
}
