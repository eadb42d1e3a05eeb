// Morvane foundation library.
// The members that objects registered, in order, shared by every object that registered the same.
#pragma once

#include "foundation/SharedCollectionAttribute.h"
#include "foundation/SharedReferenceAttribute.h"
#include "foundation/SharedValueAttribute.h"

#include <atomic>
#include <memory>
#include <vector>

namespace morvane {

/// The sequence of registrations an object has made so far, shared by all the objects that made
/// the same ones: objects of one class register the same members at the same places in the same
/// order, so they end on the same layout, and a shared member costs them nothing of their own.
/// Value members, references and owning collections of one class of elements are shared so;
/// the other members (embedded objects, polymorphic collections, reference lists, attributes of
/// other classes) stay attributes of the object, whose place among the others the layout marks.
///
/// Layouts grow as a tree from the empty one: each registration moves an object from its layout
/// to the next, made once and kept for the life of the process, so that looking it up is a few
/// comparisons without a lock. So that the tree stays small whatever the objects do, a layout
/// has a bounded number of ways on, the whole tree a bounded number of layouts, and a member
/// is shared only near its object; where a layout cannot go on, the object keeps attributes of
/// its own.
class AttributeLayout
{
public:
    /// One registered member: a shared one, or (shared null) the object's own attribute of
    /// that index.
    struct Entry
    {
        const SharedAttribute *shared;
        int ownIndex;
    };

    /// The layout of an object that has registered nothing.
    static const AttributeLayout &Empty();

    /// The layout after this one and the member (a ValueRegistration, CollectionRegistration
    /// or ReferenceRegistration); null when it cannot be shared. Objects register every member
    /// of theirs through it: the layout is found in line, and only a member new to the tree
    /// takes the way that grows it.
    template <class Registration>
    const AttributeLayout *With(const Registration &registration) const
    {
        const AttributeLayout *layout = FindShared(registration);
        return layout != nullptr ? layout : Grow(registration);
    }
    /// The layout after this one and one attribute of the object's own; null when there is no
    /// room for it.
    const AttributeLayout *WithOwnAttribute() const;

    const std::vector<Entry> &GetEntries() const { return m_aEntries; }
    /// The entries, in order, whose members may name objects or refer to them: all but the
    /// shared values, so that naming and resolving references pass the values by.
    const std::vector<Entry> &GetLinkEntries() const { return m_aLinkEntries; }
    /// The number of the object's own attributes.
    int GetOwnCount() const { return m_nOwnCount; }

    AttributeLayout(const AttributeLayout &) = delete;
    AttributeLayout &operator=(const AttributeLayout &) = delete;

private:
    static constexpr int kMaxBranches = 8;

    AttributeLayout() = default;
    // Whether the shared member is the one registered; its kind tells its class.
    static bool Matches(const SharedAttribute &shared, const ValueRegistration &registration)
    {
        return shared.GetKind() == registration.kind &&
               static_cast<const SharedValueAttribute &>(shared).Matches(registration);
    }
    static bool Matches(const SharedAttribute &shared, const CollectionRegistration &registration)
    {
        return shared.GetKind() == atCollectionEx &&
               static_cast<const SharedCollectionAttribute &>(shared).Matches(registration);
    }
    static bool Matches(const SharedAttribute &shared, const ReferenceRegistration &registration)
    {
        return shared.GetKind() == atPtrAttribute &&
               static_cast<const SharedReferenceAttribute &>(shared).Matches(registration);
    }
    template <class Registration>
    const AttributeLayout *FindShared(const Registration &registration) const
    {
        for (const auto &next : m_aNextByShared) {
            const AttributeLayout *layout = next.load(std::memory_order_acquire);
            if (layout == nullptr)
                return nullptr;
            if (Matches(*layout->m_pShared, registration))
                return layout;
        }
        return nullptr;
    }
    // Adds the layout after this one and the member to the tree; null when it cannot be shared.
    template <class Registration>
    const AttributeLayout *Grow(const Registration &registration) const;
    const AttributeLayout *Extend(std::unique_ptr<SharedAttribute> shared) const;

    std::vector<Entry> m_aEntries;
    std::vector<Entry> m_aLinkEntries;
    int m_nOwnCount = 0;
    // The shared member of the last entry; null when it is an attribute of the object's own.
    std::unique_ptr<SharedAttribute> m_pShared;
    // The layouts after this one by a shared member, filled in order; null from the first free
    // one. Read without a lock: a layout is filled in before it is published here.
    mutable std::atomic<const AttributeLayout *> m_aNextByShared[kMaxBranches] = {};
    mutable std::atomic<const AttributeLayout *> m_pNextByOwn = nullptr;
};

} // namespace morvane
