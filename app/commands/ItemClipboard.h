// Morvane editing commands.
// Where copied patterns and grade regions go: the system clipboard in the program, memory
// elsewhere.
#pragma once

#include <optional>
#include <string>

/// The clipboard of copied mask items: the payload text (UTF-8 XML, kept at its exact length)
/// under the program's own format. The program installs one over the system clipboard; batch
/// runs and tests keep the one in memory.
class IItemClipboard
{
public:
    virtual ~IItemClipboard() = default;

    /// Replaces the clipboard's content with the payload.
    virtual void SetItems(const std::string &payload) = 0;
    /// Whether the clipboard holds a payload of the format.
    virtual bool HasItems() const = 0;
    /// The payload, at its exact length; nothing when the clipboard holds none.
    virtual std::optional<std::string> GetItems() const = 0;
};

namespace morvane {

/// The clipboard installed, or the one in memory.
IItemClipboard &itemClipboard();
/// Installs the clipboard (not owned); null puts the one in memory back.
void installItemClipboard(IItemClipboard *clipboard);

} // namespace morvane
