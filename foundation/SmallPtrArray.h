// Morvane foundation library.
// An array of pointers that holds its first element in itself, for the many one-element lists.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace morvane {

/// A growable array of pointers, in order. Up to one element lies in the array itself; more
/// take a block of their own. Most collections of a model hold no element or one (the point
/// list of a shape, say), and so cost no allocation of their own, nor a small block to free that
/// slows the freeing of everything around it.
template <class T> class SmallPtrArray
{
public:
    SmallPtrArray() = default;
    ~SmallPtrArray() { Release(); }
    SmallPtrArray(const SmallPtrArray &other) { CopyFrom(other); }
    SmallPtrArray &operator=(const SmallPtrArray &other)
    {
        if (this != &other) {
            m_size = 0;
            CopyFrom(other);
        }
        return *this;
    }
    /// Leaves other empty.
    SmallPtrArray(SmallPtrArray &&other) noexcept { TakeFrom(other); }
    SmallPtrArray &operator=(SmallPtrArray &&other) noexcept
    {
        if (this != &other) {
            Release();
            TakeFrom(other);
        }
        return *this;
    }

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    T *const *begin() const { return Data(); }
    T *const *end() const { return Data() + m_size; }
    T *operator[](size_t i) const { return Data()[i]; }

    /// Inserts p before position i (i equal to the size appends).
    void insert(size_t i, T *p)
    {
        assert(i <= m_size && "insert position out of range");
        if (m_size == m_capacity)
            Reallocate(std::max<size_t>(2 * m_capacity, m_size + 1));
        T **data = Data();
        std::copy_backward(data + i, data + m_size, data + m_size + 1);
        data[i] = p;
        ++m_size;
    }
    void erase(size_t i)
    {
        assert(i < m_size && "erase position out of range");
        T **data = Data();
        std::copy(data + i + 1, data + m_size, data + i);
        --m_size;
    }
    /// Empties the array; the room it has stays.
    void clear() { m_size = 0; }
    void reserve(size_t count)
    {
        if (count > m_capacity)
            Reallocate(count);
    }
    /// Sets the size; new elements are null.
    void resize(size_t count)
    {
        reserve(count);
        std::fill(Data() + std::min<size_t>(m_size, count), Data() + count, nullptr);
        m_size = static_cast<uint32_t>(count);
    }

private:
    bool IsInline() const { return m_capacity == 1; }
    T **Data() { return IsInline() ? &m_storage.element : m_storage.block; }
    T *const *Data() const { return IsInline() ? &m_storage.element : m_storage.block; }

    void Reallocate(size_t capacity)
    {
        auto block = std::make_unique<T *[]>(capacity);
        std::copy(begin(), end(), block.get());
        Release();
        m_storage.block = block.release();
        m_capacity = static_cast<uint32_t>(capacity);
    }
    void Release()
    {
        if (IsInline())
            return;
        delete[] m_storage.block;
        m_storage.element = nullptr;
        m_capacity = 1;
    }
    void CopyFrom(const SmallPtrArray &other)
    {
        reserve(other.m_size);
        std::copy(other.begin(), other.end(), Data());
        m_size = other.m_size;
    }
    void TakeFrom(SmallPtrArray &other)
    {
        m_storage = other.m_storage;
        m_size = other.m_size;
        m_capacity = other.m_capacity;
        other.m_storage.element = nullptr;
        other.m_capacity = 1;
        other.m_size = 0;
    }

    // The element itself while the capacity is one; the block of elements beyond.
    union Storage
    {
        T *element = nullptr;
        T **block;
    } m_storage{};
    uint32_t m_size = 0;
    uint32_t m_capacity = 1;
};

} // namespace morvane
