// Morvane foundation library.
// The members that objects registered, in order, shared by every object that registered the same.
#include "foundation/AttributeLayout.h"

#include <mutex>

namespace morvane {

namespace {

// Bounds that keep the tree of layouts small whatever registers: a member further than this
// from its container is no member of the object (it changes from object to object), and past
// that many layouts every object keeps its own attributes.
constexpr ptrdiff_t kMaxMemberDistance = 4096;
constexpr int kMaxLayouts = 20000;

std::mutex g_growing;
int g_layoutCount = 1;

} // namespace

const AttributeLayout &AttributeLayout::Empty()
{
    // Never deleted: objects may be destroyed after the end of main.
    static const AttributeLayout *empty = new AttributeLayout();
    return *empty;
}

namespace {

std::unique_ptr<SharedAttribute> describe(const ReferenceRegistration &registration)
{
    return std::make_unique<SharedReferenceAttribute>(registration);
}

std::unique_ptr<SharedAttribute> describe(const ValueRegistration &registration)
{
    return std::make_unique<SharedValueAttribute>(registration);
}

std::unique_ptr<SharedAttribute> describe(const CollectionRegistration &registration)
{
    return std::make_unique<SharedCollectionAttribute>(registration);
}

} // namespace

template <class Registration>
const AttributeLayout *AttributeLayout::Grow(const Registration &registration) const
{
    if (registration.offset <= -kMaxMemberDistance || registration.offset >= kMaxMemberDistance)
        return nullptr;
    const std::lock_guard lock(g_growing);
    if (const AttributeLayout *layout = FindShared(registration))
        return layout;
    for (auto &next : m_aNextByShared) {
        if (next.load(std::memory_order_relaxed) != nullptr)
            continue;
        const AttributeLayout *layout = Extend(describe(registration));
        if (layout != nullptr)
            next.store(layout, std::memory_order_release);
        return layout;
    }
    return nullptr;
}

template const AttributeLayout *AttributeLayout::Grow(const ValueRegistration &) const;
template const AttributeLayout *AttributeLayout::Grow(const ReferenceRegistration &) const;
template const AttributeLayout *AttributeLayout::Grow(const CollectionRegistration &) const;

const AttributeLayout *AttributeLayout::WithOwnAttribute() const
{
    if (const AttributeLayout *layout = m_pNextByOwn.load(std::memory_order_acquire))
        return layout;
    const std::lock_guard lock(g_growing);
    if (const AttributeLayout *layout = m_pNextByOwn.load(std::memory_order_relaxed))
        return layout;
    const AttributeLayout *layout = Extend(nullptr);
    if (layout != nullptr)
        m_pNextByOwn.store(layout, std::memory_order_release);
    return layout;
}

const AttributeLayout *AttributeLayout::Extend(std::unique_ptr<SharedAttribute> shared) const
{
    if (g_layoutCount >= kMaxLayouts)
        return nullptr;
    ++g_layoutCount;
    auto *layout = new AttributeLayout();
    layout->m_aEntries.reserve(m_aEntries.size() + 1);
    layout->m_aEntries = m_aEntries;
    layout->m_aLinkEntries = m_aLinkEntries;
    layout->m_nOwnCount = m_nOwnCount;
    if (shared != nullptr)
        layout->m_aEntries.push_back({shared.get(), -1});
    else
        layout->m_aEntries.push_back({nullptr, layout->m_nOwnCount++});
    if (dynamic_cast<const SharedValueAttribute *>(shared.get()) == nullptr)
        layout->m_aLinkEntries.push_back(layout->m_aEntries.back());
    layout->m_pShared = std::move(shared);
    return layout;
}

} // namespace morvane
