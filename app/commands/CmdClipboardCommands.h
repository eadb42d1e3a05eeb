// Morvane editing commands.
// Copying the selected patterns and grade regions to the clipboard and pasting them into the
// active grade mask.
#pragma once

#include "app/commands/MaskHistoryCommand.h"

#include <memory>

/// "CopySelectedObjects": puts the selected grade regions, then mask patterns, then input
/// patterns (each in selection order) on the item clipboard as the payload of a CMVClipboard.
/// A payload that cannot be written leaves the clipboard as it was (false). The data is not
/// read; no history entry.
class CCmdCopySelectedObjects : public CDocCommand
{
public:
    CCmdCopySelectedObjects();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Mask patterns are edited and the selection holds a mask pattern, an input pattern or a
    /// grade region.
    bool IsEnabled(void *data) override;
};

/// "CutSelectedObjects": never enabled; its run does nothing.
class CCmdCutSelectedObjects : public CDocCommand
{
public:
    CCmdCutSelectedObjects();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *) override { return true; }
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *) override { return false; }
};

/// "PasteObjects": pastes the clipboard's payload into the active mask as one step of its
/// history, and makes exactly the pasted items the selection ("AddToSelection"). An empty or
/// damaged payload changes nothing (false). The data is not read.
class CCmdPasteObjects : public CMaskHistoryCommand
{
public:
    CCmdPasteObjects();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Mask patterns are edited and the clipboard holds a payload.
    bool IsEnabled(void *data) override;
};
