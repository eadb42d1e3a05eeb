// Morvane Brismond table-set library.
// The owned, ordered children of a set or table, whose insertion and removal undo and redo.
#pragma once

#include "foundation/EventHandler.h"
#include "foundation/NameCompare.h"
#include "platform/brismond/TableSetUndoStack.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace brismond {

/// The children of one kind (tables of a set; sizes or measurements of a table), owned in order.
/// An attached child's handler has the parent's handler as its parent, which sends the
/// attachment with the child's id; a detached child is sent with the same id before its
/// handler is unlinked. The event's argument is the child object, or its index where the
/// children say so. A child removed by Remove (or inserted and then undone) stays alive in the
/// undo stack, so pointers to it hold while it may come back.
template <typename Child> class OwnedChildren
{
public:
    enum class Argument { Object, Index };

    OwnedChildren(CEventHandler &parent, uint32_t childId, Argument argument,
                  std::function<void()> changed = {})
        : m_parent(parent)
        , m_childId(childId)
        , m_argument(argument)
        , m_changed(std::move(changed))
    {
    }
    ~OwnedChildren()
    {
        for (const auto &child : m_children)
            child->GetEventHandler().SetParent(0, nullptr);
    }
    OwnedChildren(const OwnedChildren &) = delete;
    OwnedChildren &operator=(const OwnedChildren &) = delete;

    int count() const { return static_cast<int>(m_children.size()); }
    bool isIndex(int i) const { return i >= 0 && i < count(); }
    /// Null for an index out of range.
    Child *at(int i) const
    {
        return isIndex(i) ? m_children[static_cast<size_t>(i)].get() : nullptr;
    }
    int indexOf(const void *child) const
    {
        for (int i = 0; i < count(); ++i) {
            if (m_children[static_cast<size_t>(i)].get() == child)
                return i;
        }
        return -1;
    }
    /// The index of the first child whose GetName() equals name without regard to case; -1 when
    /// none.
    int findName(std::string_view name) const
    {
        for (int i = 0; i < count(); ++i) {
            if (morvane::equalsNoCase(m_children[static_cast<size_t>(i)]->GetName(), name))
                return i;
        }
        return -1;
    }
    /// The index at which an insertion at position takes place: position, or the end for -1
    /// and any position out of range.
    int insertionIndex(int position) const
    {
        return position >= 0 && position <= count() ? position : count();
    }

    /// Inserts child at position (insertionIndex) as a recorded change; returns its index.
    int insert(CTableSetUndoStack &undo, int position, std::unique_ptr<Child> child)
    {
        const int index = insertionIndex(position);
        auto parked = std::make_shared<std::unique_ptr<Child>>(std::move(child));
        undo.Do([this, index, parked] { *parked = detach(index); },
                [this, index, parked] { attach(index, std::move(*parked)); });
        return index;
    }

    /// Removes child i (in range) as a recorded change.
    void remove(CTableSetUndoStack &undo, int i)
    {
        auto parked = std::make_shared<std::unique_ptr<Child>>();
        undo.Do([this, i, parked] { attach(i, std::move(*parked)); },
                [this, i, parked] { *parked = detach(i); });
    }

    /// Appends without recording: for filling a new table or set that is not attached yet.
    void append(std::unique_ptr<Child> child) { attach(count(), std::move(child)); }

    /// Removes every child without recording; each is sent as detached, last first, and
    /// deleted.
    void clear()
    {
        while (!m_children.empty())
            detach(count() - 1);
    }

private:
    uintptr_t argument(int index, Child *child) const
    {
        return m_argument == Argument::Index ? static_cast<uintptr_t>(index)
                                             : reinterpret_cast<uintptr_t>(child);
    }

    void attach(int index, std::unique_ptr<Child> child)
    {
        Child *raw = child.get();
        m_children.insert(m_children.begin() + index, std::move(child));
        raw->GetEventHandler().SetParent(argument(index, raw), &m_parent);
        if (m_changed)
            m_changed();
    }

    std::unique_ptr<Child> detach(int index)
    {
        std::unique_ptr<Child> child = std::move(m_children[static_cast<size_t>(index)]);
        m_children.erase(m_children.begin() + index);
        m_parent.SendDetached(m_childId, argument(index, child.get()));
        child->GetEventHandler().SetParent(0, nullptr);
        if (m_changed)
            m_changed();
        return child;
    }

    CEventHandler &m_parent;
    uint32_t m_childId;
    Argument m_argument;
    std::function<void()> m_changed;
    std::vector<std::unique_ptr<Child>> m_children;
};

} // namespace brismond
