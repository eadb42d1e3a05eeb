// Morvane editing commands.
// The base of the commands that reach the main document.
#pragma once

#include "tasks/BaseCommand.h"

#include <cstdint>
#include <string>

class CFocusManager;
class CPattern;
class IDocumentServices;

namespace morvane {

/// The data object of the command's task's manager (the main document's services); null
/// without a task.
IDocumentServices *commandDocument(const CBaseCommand &command);
/// The selection mode of the document's interaction modes; 0 without them.
int selectionMode(IDocumentServices &document);
/// Whether the pattern may be changed: an input pattern always, a mask pattern while the
/// document edits mask patterns; false for null.
bool isPatternEditable(IDocumentServices &document, CPattern *pattern);
/// Both tool tips of the command from the language library: the undo tip's text id, the redo
/// tip's the next one.
void setCommandToolTips(CBaseCommand &command, uint32_t undoTextId);

} // namespace morvane

/// A command of a grade-mask document. Every mask's task manager has the main document's
/// services as its data object, so a command reaches the document through its task.
///
/// A command class names itself in its constructor (Create), then sets its flags (SetFlags) and
/// its tool tips (SetToolTips), so that a class derived from another command class keeps its own
/// name, flags and tips. A command that works on the active grade mask says so
/// (SetNeedsActiveMask): it is disabled while no mask is active.
class CDocCommand : public CBaseCommand
{
public:
    /// The data object of the command's task's manager; null without a task.
    IDocumentServices *GetDocument() const;
    /// The active mask's focus manager; null without a document or an active mask.
    CFocusManager *GetFocusManager() const;

    /// The table object of the document's active measurement table (what the formula
    /// factories take as their context); null when no table is active.
    static void *GetCurrentTableObject(IDocumentServices &document);
    /// GetCurrentTableObject of the command's document; null without one.
    void *GetCurrentTableObject() const;

    using CBaseCommand::IsEnabled;
    /// False while the command needs an active mask and the document has none; otherwise
    /// CBaseCommand's answer (the task stored, IsEnabled(data)).
    bool IsEnabled(ITask *task, void *data) override;

protected:
    /// Sets the flags a command class chooses in its constructor, after Create.
    void SetFlags(bool addToHistory, bool repeat, COMMAND_MODIFY_TYPE modifyType);
    /// Both tool tips from the language library: the undo tip's text id, the redo tip's the
    /// next one.
    void SetToolTips(uint32_t undoTextId);
    void SetNeedsActiveMask() { m_bNeedsActiveMask = true; }
    /// The document's active grade mask is there (false without a document).
    bool HasActiveMask() const;

    /// Runs the command registered under the name as a run of its own in this command's task
    /// (its enabled test is not asked); false when no command of that name is registered.
    bool RunCommand(const std::string &name, void *data) const;
    /// The registered command's enabled test for this command's task; false when none is
    /// registered.
    bool IsCommandEnabled(const std::string &name, void *data) const;

private:
    bool m_bNeedsActiveMask = false;
};
