// Morvane editing commands.
// The base of the commands that change the active grade mask's formulas.
#include "app/commands/formulas/FormulaCommand.h"

#include "app/documents/IDocumentServices.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"

CFormulaManager *CFormulaCommand::GetFormulaManager() const
{
    IGradeMask *mask = GetActiveMask();
    return mask != nullptr ? dynamic_cast<CFormulaManager *>(mask->GetFormulaManager()) : nullptr;
}

bool CFormulaCommand::IsEditOn() const
{
    IDocumentServices *document = GetDocument();
    return document != nullptr && document->IsEditMode();
}
