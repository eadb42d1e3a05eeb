// Morvane editing commands.
// "RecalculateGrading": the mask's formulas grade the style again, and the grading is shown.
#pragma once

#include "app/commands/DocCommand.h"

/// Grades the input patterns again through the document's grading (which asks first when the
/// formulas have problems), then shows the grading, also when the user refused. Enabled while
/// the table set holds a table.
class CCmdRecalculateGrading : public CDocCommand
{
public:
    CCmdRecalculateGrading();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CDocCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
