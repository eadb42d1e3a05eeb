// Morvane foundation library.
// Typed pointer collections: the plain form that only refers, and the owning form.
#pragma once

#include "foundation/SmallPtrArray.h"

#include <cassert>
#include <memory>
#include <utility>
#include <vector>

/// A typed collection of pointers to T, in order. The plain form never deletes its elements;
/// it serves for cross-references and for the sets that functions fill for their callers.
///
/// Every insertion goes through InsertAt and every removal of one element through RemoveAt, so
/// a derived collection (an owning one, or one that links its elements to an event handler)
/// overrides those two to act on each element that enters or leaves. Index arguments must be in
/// range (asserted); null elements are allowed.
template <class T>
class CPtrCollection
{
public:
    CPtrCollection() = default;
    virtual ~CPtrCollection() = default;
    CPtrCollection(const CPtrCollection &) = default;
    CPtrCollection &operator=(const CPtrCollection &) = default;
    CPtrCollection(CPtrCollection &&other) noexcept : m_aItems(std::move(other.m_aItems)) {}
    CPtrCollection &operator=(CPtrCollection &&other) noexcept
    {
        m_aItems = std::move(other.m_aItems);
        return *this;
    }

    virtual int GetCount() const { return static_cast<int>(m_aItems.size()); }

    virtual T *GetAt(int i) const
    {
        assert(IsIndex(i) && "collection index out of range");
        return m_aItems[static_cast<size_t>(i)];
    }

    /// The same as InsertAt.
    virtual void Insert(int i, T *p) { InsertAt(i, p); }

    /// Takes element i out without deleting it.
    virtual void RemoveAt(int i)
    {
        assert(IsIndex(i) && "collection index out of range");
        m_aItems.erase(static_cast<size_t>(i));
    }

    /// Empties the collection (the owning form deletes the elements first).
    virtual void RemoveAll() { m_aItems.clear(); }

    /// Takes element from out (RemoveAt) and inserts it at to (Insert); to counts the positions
    /// after the removal, so Move(0, 2) turns (a, b, c) into (b, c, a).
    virtual void Move(int from, int to)
    {
        T *p = GetAt(from);
        RemoveAt(from);
        Insert(to, p);
    }

    /// Appends p; returns its index (the old count).
    virtual int Add(T *p)
    {
        const int index = GetCount();
        InsertAt(index, p);
        return index;
    }

    /// Inserts p before position i; i equal to the count appends.
    virtual void InsertAt(int i, T *p)
    {
        assert(i >= 0 && i <= GetCount() && "collection insert position out of range");
        m_aItems.insert(static_cast<size_t>(i), p);
    }

    /// The index of the first element that is p (pointer identity), -1 when absent.
    virtual int Find(const T *p) const
    {
        for (int i = 0; i < GetCount(); ++i) {
            if (m_aItems[static_cast<size_t>(i)] == p)
                return i;
        }
        return -1;
    }

    /// For each element of other, in order, removes its first occurrence here (RemoveAt, never
    /// deleting). Returns the number actually removed: an element that other holds twice
    /// removes two occurrences here when there are two.
    virtual int RemoveItems(const CPtrCollection &other)
    {
        const std::vector<T *> toRemove(other.begin(), other.end());
        int removed = 0;
        for (T *p : toRemove) {
            const int index = Find(p);
            if (index < 0)
                continue;
            RemoveAt(index);
            ++removed;
        }
        return removed;
    }

    /// Find(p), then DeleteAt of that index (so the owning form deletes p). Returns the index,
    /// or -1 without change when p is absent.
    virtual int Remove(T *p)
    {
        const int index = Find(p);
        if (index >= 0)
            DeleteAt(index);
        return index;
    }

    /// Plain form: the same as RemoveAt. Owning form: removes element i and deletes it.
    virtual void DeleteAt(int i) { RemoveAt(i); }

    /// Appends every element of other, in order.
    virtual void Append(const CPtrCollection &other)
    {
        const std::vector<T *> toAdd(other.begin(), other.end());
        for (T *p : toAdd)
            Add(p);
    }

    /// The last element; null when empty.
    virtual T *GetLast() const { return m_aItems.empty() ? nullptr : m_aItems[m_aItems.size() - 1]; }

    /// The first element; null when empty.
    virtual T *GetFirst() const { return m_aItems.empty() ? nullptr : m_aItems[0]; }

    /// Element i + 1, cyclic: element 0 after the last index (or beyond it); null when empty.
    virtual T *GetNext(int i) const
    {
        assert(i >= -1 && "collection index out of range");
        if (m_aItems.empty())
            return nullptr;
        return i + 1 >= GetCount() ? GetAt(0) : GetAt(i + 1);
    }

    /// Element i - 1, cyclic: the last element for i = 0 (or below); null when empty.
    virtual T *GetPrev(int i) const
    {
        assert(i <= GetCount() && "collection index out of range");
        if (m_aItems.empty())
            return nullptr;
        return i <= 0 ? GetLast() : GetAt(i - 1);
    }

    /// Makes room for count elements in all, so that adding up to that many allocates no more.
    void Reserve(int count)
    {
        assert(count >= 0 && "negative collection size");
        m_aItems.reserve(static_cast<size_t>(count));
    }

    /// Sets the count; new slots are null. The owning form ignores it.
    virtual void SetSize(int n)
    {
        assert(n >= 0 && "negative collection size");
        m_aItems.resize(static_cast<size_t>(n));
    }

    /// Read-only iteration over the elements, for range-for.
    auto begin() const { return m_aItems.begin(); }
    auto end() const { return m_aItems.end(); }

private:
    bool IsIndex(int i) const { return i >= 0 && i < GetCount(); }

    morvane::SmallPtrArray<T> m_aItems;
};

/// The same collection, under the name used where the elements are interface pointers or small
/// structures.
template <class T>
using CCollection = CPtrCollection<T>;

/// The owning form: the collection owns its elements and deletes them when they are removed
/// through DeleteAt, Remove or RemoveAll, and when it is destroyed. RemoveAt, RemoveItems and
/// Move never delete; an element taken out by RemoveAt is no longer owned by anyone, so prefer
/// TakeAt, which hands it over. An element must not be held twice (it would be deleted twice).
/// T needs a virtual destructor when elements of derived classes are held.
template <class T>
class COwningCollection : public CPtrCollection<T>
{
public:
    COwningCollection() = default;
    ~COwningCollection() override { DeleteElements(); }
    COwningCollection(const COwningCollection &) = delete;
    COwningCollection &operator=(const COwningCollection &) = delete;

    /// Deletes every non-null element, then empties the collection.
    void RemoveAll() override
    {
        DeleteElements();
        CPtrCollection<T>::RemoveAll();
    }

    /// Removes element i and deletes it.
    void DeleteAt(int i) override
    {
        T *p = this->GetAt(i);
        this->RemoveAt(i);
        DeleteElement(p);
    }

    /// Ignored: an owning collection holds no empty slots.
    void SetSize(int) override {}

    /// Deletes p when it is not null.
    virtual void DeleteElement(T *p) { delete p; }

    /// Appends p, taking over its ownership; returns its index.
    int AddOwned(std::unique_ptr<T> p) { return this->Add(p.release()); }

    /// Takes element i out (RemoveAt) and hands its ownership to the caller.
    std::unique_ptr<T> TakeAt(int i)
    {
        T *p = this->GetAt(i);
        this->RemoveAt(i);
        return std::unique_ptr<T>(p);
    }

private:
    void DeleteElements()
    {
        for (T *p : *this) {
            if (p != nullptr)
                DeleteElement(p);
        }
    }
};
