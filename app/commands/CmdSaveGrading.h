// Morvane editing commands.
// "SaveGrading": the graded style is written by its grade model.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Asks the document's grade model to save the graded patterns in its own format. A critical
/// code throws CMorvaneException (the program then closes); any other failure shows the text
/// of its code (61250 to 61257 for the codes 1 to 8, an empty text otherwise) and answers
/// false. Disabled without a grade model and for the client program's (kinds 0 and 4).
class CCmdSaveGrading : public CWorkspaceCommand
{
public:
    CCmdSaveGrading();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
