// Morvane program documents.
// The list of recently used files that the program offers to open again.
#include "app/documents/RecentFileList.h"

#include <algorithm>
#include <cassert>

CRecentFileList::CRecentFileList(int maxSize)
    : m_nMaxSize(maxSize)
{
    assert(maxSize > 0 && "a recent-file list keeps at least one entry");
}

void CRecentFileList::Add(const std::filesystem::path &path)
{
    if (path.empty())
        return;
    Remove(path);
    m_aEntries.insert(m_aEntries.begin(), path);
    if (static_cast<int>(m_aEntries.size()) > m_nMaxSize)
        m_aEntries.resize(static_cast<size_t>(m_nMaxSize));
}

void CRecentFileList::Remove(const std::filesystem::path &path)
{
    const auto found = std::find(m_aEntries.begin(), m_aEntries.end(), path);
    if (found != m_aEntries.end())
        m_aEntries.erase(found);
}
