// Morvane AAMA grade model.
// The text of a file under construction, in one buffer that the writers write into directly.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

namespace morvane {

/// The text of a file under construction, in one buffer. A writer reserves about what it writes,
/// asks for room at the end, writes its characters there and takes them in with commit; what it
/// writes past the room, or does not commit, is not part of the text.
class TextBuffer
{
public:
    /// Makes room for a text of about size characters, so that it grows without copying.
    void reserve(std::size_t size)
    {
        if (size > m_capacity)
            grow(size);
    }

    /// Where count characters can be written at the end of the text.
    char *room(std::size_t count)
    {
        if (m_capacity - m_size < count)
            grow(std::max(2 * m_capacity, m_size + count));
        return m_buffer.get() + m_size;
    }

    /// Takes what was written from the end of the text up to end into the text.
    void commit(const char *end) { m_size = static_cast<std::size_t>(end - m_buffer.get()); }

    void append(std::string_view characters)
    {
        if (characters.empty())
            return;
        char *const out = room(characters.size());
        std::memcpy(out, characters.data(), characters.size());
        commit(out + characters.size());
    }

    /// Writes count characters of the text from start again at its end.
    void repeat(std::size_t start, std::size_t count)
    {
        if (count == 0)
            return;
        char *const out = room(count);
        std::memcpy(out, m_buffer.get() + start, count);
        commit(out + count);
    }

    std::string_view text() const { return {m_buffer.get(), m_size}; }

private:
    void grow(std::size_t capacity)
    {
        auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size > 0)
            std::memcpy(bigger.get(), m_buffer.get(), m_size);
        m_buffer = std::move(bigger);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_buffer;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace morvane
