// Morvane editing commands.
// "RecalculateGrading": the mask's formulas grade the style again, and the grading is shown.
#include "app/commands/CmdRecalculateGrading.h"

#include "app/commands/CmdShowGrading.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/WaitCursor.h"
#include "app/grading/IGradingInterface.h"
#include "platform/brismond/IBrismond.h"

CCmdRecalculateGrading::CCmdRecalculateGrading()
{
    Create("RecalculateGrading");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdRecalculateGrading::Clone() const
{
    return std::make_unique<CCmdRecalculateGrading>(*this);
}

bool CCmdRecalculateGrading::OnExecute(void *)
{
    IDocumentServices *document = GetDocument();
    if (document == nullptr || document->GetGradingInterface() == nullptr)
        return false;
    const WaitCursor waiting(*document);
    document->GetGradingInterface()->ApplyGradeRules();
    CCmdShowGrading show;
    show.Execute(GetTask(), this);
    return true;
}

bool CCmdRecalculateGrading::IsEnabled(void *)
{
    IDocumentServices *document = GetDocument();
    IBrismond *tables = document != nullptr ? document->GetTableSet() : nullptr;
    return tables != nullptr && tables->GetTableCount() > 0;
}
