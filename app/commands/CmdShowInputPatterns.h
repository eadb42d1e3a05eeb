// Morvane editing commands.
// The display of input and guide patterns, and whether mask patterns may be edited.
#pragma once

#include "app/commands/DocCommand.h"

/// "ShowInputPatterns" and "ShowGuidePatterns" (data: a flag carried as the data itself, not
/// null shows): the placed input patterns, or the mask's patterns, are shown or hidden. Hiding
/// a kind lets go of an active pattern of that kind ("SetActiveItem" with nothing, when it is
/// enabled); one kind is always shown, so hiding the only one shown shows the other. Not
/// recorded in the history.
class CCmdShowPatterns : public CDocCommand
{
public:
    std::unique_ptr<ICommand> Clone() const override;
    /// False without the display switches; true otherwise.
    bool OnExecute(void *data) override;

protected:
    /// The command of the name, for the input patterns or for the guide patterns.
    CCmdShowPatterns(const char *name, bool inputPatterns);

private:
    bool m_bInputPatterns;
};

/// "ShowInputPatterns".
class CCmdShowInputPatterns : public CCmdShowPatterns
{
public:
    CCmdShowInputPatterns();
};

/// "ShowGuidePatterns".
class CCmdShowGuidePatterns : public CCmdShowPatterns
{
public:
    CCmdShowGuidePatterns();
};

/// "SetEditMaskPatterns" (data: a flag carried as the data itself): whether the mask's patterns
/// may be moved and turned (the document's edit mode). Not recorded in the history.
class CCmdSetEditMaskPatterns : public CDocCommand
{
public:
    CCmdSetEditMaskPatterns();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a document; true otherwise.
    bool OnExecute(void *data) override;
};
