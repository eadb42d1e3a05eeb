// Morvane program documents.
// An owning list whose additions and removals its document announces.
#pragma once

#include "foundation/EventHandler.h"
#include "foundation/PtrCollection.h"

#include <cstdint>
#include <memory>

namespace morvane {

/// Owns its elements and tells the listeners of a handler of each change: an attached event
/// with the list's id and the new index, and, before a removed element is deleted, a detached
/// event with the id and the element. Destroying the list deletes what is left, silently.
template <class T>
class AnnouncedList
{
public:
    AnnouncedList(CEventHandler &handler, uint32_t id)
        : m_handler(handler)
        , m_nId(id)
    {
    }

    /// Appends element and returns its index.
    int Add(std::unique_ptr<T> element)
    {
        const int index = m_oElements.AddOwned(std::move(element));
        m_handler.SendAttached(m_nId, static_cast<uintptr_t>(index));
        return index;
    }
    int GetCount() const { return m_oElements.GetCount(); }
    /// Null for an index out of range.
    T *GetAt(int index) const
    {
        return index >= 0 && index < GetCount() ? m_oElements.GetAt(index) : nullptr;
    }
    /// Takes element index out, announces it, then deletes it; nothing for an index out of range.
    void RemoveAt(int index)
    {
        if (index < 0 || index >= GetCount())
            return;
        const std::unique_ptr<T> removed = m_oElements.TakeAt(index);
        m_handler.SendDetached(m_nId, reinterpret_cast<uintptr_t>(removed.get()));
    }
    /// Removes every element, from the last to the first, each announced.
    void Clear()
    {
        while (GetCount() > 0)
            RemoveAt(GetCount() - 1);
    }

private:
    CEventHandler &m_handler;
    uint32_t m_nId;
    COwningCollection<T> m_oElements;
};

} // namespace morvane
