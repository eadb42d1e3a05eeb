// Morvane program documents.
// What the main document offers the documents it owns: grading, options and status texts.
#pragma once

#include <string>

class IOptions;
class IUserInterface;

/// The main document as the documents it owns (the measurement-table document) reach it.
class IGradingEvents
{
public:
    virtual ~IGradingEvents() = default;

    /// True when no grade mask is active; otherwise whether the active mask's task would take
    /// "OnDeactivate" now. Changes that grading uses are allowed only then.
    virtual bool CanDeactivate() = 0;
    /// Begins grading in the model again, after the sizes changed; reports a failure itself.
    virtual void OnBeginGrading() = 0;
    /// The program's options.
    virtual IOptions &GetOptions() = 0;
    /// Status text index (0 to 3).
    virtual std::string GetStringAt(int index) const = 0;
    /// Stores status text index; listeners hear of it only when the text changed.
    virtual void SetStringAt(int index, const std::string &text) = 0;
    /// Shows the wait cursor until the matching EndWaitCursor; calls nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    /// The file dialogs, messages, options dialog and image windows of the program (quiet ones
    /// in batch runs and tests).
    virtual IUserInterface &GetUserInterface() = 0;
};
