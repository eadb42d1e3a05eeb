// Morvane measurement tables.
// The base of the commands of the measurement-table document's task manager.
#pragma once

#include "tasks/BaseCommand.h"

class CMeasureTableDoc;
class IGradingEvents;

/// A command of the table document: its task's manager has the document as data object.
class CTableSetCommand : public CBaseCommand
{
public:
    /// The data object of the command's task's manager; null without a task.
    CMeasureTableDoc *GetDocument() const;
    /// The document's owner (the main document); null without a document or before it was
    /// initialised.
    IGradingEvents *GetOwner() const;

protected:
    /// Names the command and sets its flags, after which the class sets its tool tips.
    void CreateWith(const std::string &name, bool addToHistory, COMMAND_MODIFY_TYPE modifyType);
};
