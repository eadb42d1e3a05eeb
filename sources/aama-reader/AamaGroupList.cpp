// Morvane AAMA DXF reader.
// The groups of a DXF text with a read cursor.
#include "sources/aama-reader/AamaGroupList.h"

#include "foundation/NumberText.h"

#include <cstring>

namespace {

// Splits text into lines; a line ends with LF or CR LF, the last one also at the end of text.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_position >= m_text.size(); }

    std::string_view nextLine()
    {
        const char *start = m_text.data() + m_position;
        const std::size_t left = m_text.size() - m_position;
        const void *newline = std::memchr(start, '\n', left);
        std::size_t length = newline ? static_cast<const char *>(newline) - start : left;
        m_position += newline ? length + 1 : length;
        if (length > 0 && start[length - 1] == '\r')
            --length;
        return {start, length};
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

} // namespace

CAamaGroupList::CAamaGroupList(std::string_view text)
{
    // A group takes about twenty bytes of a typical file.
    m_oGroups.reserve(text.size() / 16);
    LineReader lines(text);
    while (!lines.atEnd()) {
        CAamaGroup group;
        group.m_nCode = morvane::parseInt(lines.nextLine());
        group.m_sValue = lines.atEnd() ? std::string_view() : lines.nextLine();
        m_oGroups.push_back(group);
        if (group.Is(0, "EOF")) {
            m_bEndOfFile = true;
            return;
        }
    }
}

const CAamaGroup *CAamaGroupList::Next()
{
    if (m_nCursor >= m_oGroups.size())
        return nullptr;
    return &m_oGroups[m_nCursor++];
}

void CAamaGroupList::Back()
{
    if (m_nCursor > 0)
        --m_nCursor;
}

void CAamaGroupList::Skip()
{
    while (m_nCursor < m_oGroups.size() && m_oGroups[m_nCursor].m_nCode != 0)
        ++m_nCursor;
}
