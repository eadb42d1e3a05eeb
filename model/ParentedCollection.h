// Morvane model library.
// An owning collection that links each element it holds to its owner's event handler.
#pragma once

#include "foundation/EventHandler.h"
#include "foundation/PtrCollection.h"

#include <cstdint>
#include <type_traits>

/// An owning collection whose elements carry event handlers (T derives from CEventHandler, or is
/// an interface of objects that do).
/// The owner binds it to its own handler (CEventHandler::AttachSink); from then on an element
/// that enters the collection gets that handler as its event parent, so the owner sends the
/// child-attached event (kind 1) for it, and an element that leaves is unlinked, so the owner
/// sends the child-detached event (kind 2). The element is already in (or already out of) the
/// collection when the event is sent.
///
/// DeleteAt removes (with the event) and then deletes; RemoveAll and the destructor delete every
/// element without events. Before it is bound the collection links nothing.
template <class T> class CParentedCollection : public COwningCollection<T>, public CHandlerTarget
{
public:
    CParentedCollection() = default;

    void InsertAt(int i, T *p) override
    {
        COwningCollection<T>::InsertAt(i, p);
        if (p != nullptr && GetHandler() != nullptr)
            handlerOf(p)->SetParent(reinterpret_cast<uintptr_t>(p), GetHandler());
    }

    void RemoveAt(int i) override
    {
        T *p = this->GetAt(i);
        COwningCollection<T>::RemoveAt(i);
        if (p != nullptr && GetHandler() != nullptr)
            handlerOf(p)->DetachParent();
    }

private:
    static CEventHandler *handlerOf(T *p)
    {
        if constexpr (std::is_base_of_v<CEventHandler, T>)
            return static_cast<CEventHandler *>(p);
        else
            return &dynamic_cast<CEventHandler &>(*p);
    }
};
