// Morvane program documents.
// The list of recently used files that the program offers to open again.
#pragma once

#include <filesystem>
#include <vector>

/// The recently used files, newest first, at most a fixed number of them. The program keeps the
/// list in its settings; documents only add to it when their path name is set.
class CRecentFileList
{
public:
    /// The number of entries the program keeps.
    static constexpr int kDefaultSize = 4;

    explicit CRecentFileList(int maxSize = kDefaultSize);
    virtual ~CRecentFileList() = default;
    CRecentFileList(const CRecentFileList &) = delete;
    CRecentFileList &operator=(const CRecentFileList &) = delete;

    /// Puts path first; an entry for the same path moves up instead of appearing twice, and the
    /// oldest entry drops out when the list is full. An empty path is ignored.
    virtual void Add(const std::filesystem::path &path);
    /// Takes path out of the list (a file that could not be opened); nothing when absent.
    virtual void Remove(const std::filesystem::path &path);

    const std::vector<std::filesystem::path> &GetEntries() const { return m_aEntries; }
    int GetMaxSize() const { return m_nMaxSize; }

private:
    int m_nMaxSize;
    std::vector<std::filesystem::path> m_aEntries;
};
