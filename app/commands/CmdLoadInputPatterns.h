// Morvane editing commands.
// "LoadInputPatterns": the style to grade is read by a grade model of the kind asked for.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Loads the input patterns that the data asks for (an InputPatternsRequest; an empty path is
/// chosen in the open-file dialog and written back into the request). The active mask's tasks
/// hear "OnDeactivate" during the load and "OnActivate" after it, and every open mask's main
/// task takes the repeat options again. A model of the kind is obtained (asking the document's
/// file chooser where it saves), attached to the
/// table set's grade data and loaded; on success it becomes the document's grade model and its
/// file the workspace's input-pattern file. A kind without a model, or a file that does not
/// load, shows message 61431 with the path and the reason, the model is released and the
/// document keeps its patterns: false. Disabled while the document's model is the client
/// program's (kind 4), and while the active mask's tasks would not take "OnDeactivate".
class CCmdLoadInputPatterns : public CWorkspaceCommand
{
public:
    CCmdLoadInputPatterns();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
