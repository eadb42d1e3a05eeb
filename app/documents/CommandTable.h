// Morvane program documents.
// Menu commands by id: what runs a command and what decides its state, in a table per target.
#pragma once

#include "app/documents/CmdUI.h"

#include <cstdint>
#include <functional>
#include <unordered_map>

/// Something that carries out menu commands by id: the main window, its view, the document.
/// The window asks its targets in turn; the first that knows an id handles it.
class ICommandTarget
{
public:
    virtual ~ICommandTarget() = default;

    /// Runs the command; false when this target has no command of that id.
    virtual bool OnCommand(uint32_t id) = 0;
    /// Fills the command's state; false when this target has no command of that id.
    virtual bool OnUpdateCommand(CCmdUI &state) = 0;
};

/// A command target made of a table: per id, the function that runs the command and the one
/// that fills its state (none: enabled). A handler re-checks what its update handler checks, for
/// a shortcut can run a command between two update passes.
class CCommandTable : public ICommandTarget
{
public:
    using CommandHandler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI &)>;

    /// Adds or replaces the row of id.
    void Add(uint32_t id, CommandHandler command, UpdateHandler update = {});
    bool Contains(uint32_t id) const { return m_oRows.count(id) != 0; }

    bool OnCommand(uint32_t id) override;
    bool OnUpdateCommand(CCmdUI &state) override;

private:
    struct Row
    {
        CommandHandler m_fnCommand;
        UpdateHandler m_fnUpdate;
    };
    std::unordered_map<uint32_t, Row> m_oRows;
};
