// Morvane editing commands.
// Where copied patterns and grade regions go: the system clipboard in the program, memory
// elsewhere.
#include "app/commands/ItemClipboard.h"

namespace {

class MemoryItemClipboard : public IItemClipboard
{
public:
    void SetItems(const std::string &payload) override { m_payload = payload; }
    bool HasItems() const override { return m_payload.has_value(); }
    std::optional<std::string> GetItems() const override { return m_payload; }

private:
    std::optional<std::string> m_payload;
};

MemoryItemClipboard memoryClipboard;
IItemClipboard *installedClipboard = nullptr;

} // namespace

namespace morvane {

IItemClipboard &itemClipboard()
{
    return installedClipboard != nullptr ? *installedClipboard : memoryClipboard;
}

void installItemClipboard(IItemClipboard *clipboard)
{
    installedClipboard = clipboard;
}

} // namespace morvane
