// Morvane program documents.
// The base of the program's documents: path name, title and modified flag.
#pragma once

#include <filesystem>
#include <string>

class CRecentFileList;

/// What every document of the program has, whatever it holds: the path of its file, the title
/// shown for it and whether it has changes that are not saved. A document without a file has an
/// empty path name and the untitled title. Documents are plain objects; windows observe them
/// through their own events.
class CDocument
{
public:
    /// The title of a document that has no file yet.
    static constexpr const char *kUntitledTitle = "Untitled";

    /// recentFiles (not owned, may be null) gets every path set with addToRecentFiles.
    explicit CDocument(CRecentFileList *recentFiles = nullptr);
    virtual ~CDocument() = default;
    CDocument(const CDocument &) = delete;
    CDocument &operator=(const CDocument &) = delete;

    /// Starts an empty document: no changes to save. Returns whether the document is ready.
    virtual bool OnNewDocument();

    virtual bool IsModified() const;
    virtual void SetModifiedFlag(bool modified = true);

    const std::filesystem::path &GetPathName() const { return m_oPathName; }
    /// Stores path as the document's file; the title becomes the file's name. With
    /// addToRecentFiles the path goes first in the recent-file list (when there is one).
    virtual void SetPathName(const std::filesystem::path &path, bool addToRecentFiles = true);
    /// Forgets the file: empty path name and the untitled title.
    void ClearPathName();

    const std::string &GetTitle() const { return m_sTitle; }
    virtual void SetTitle(const std::string &title);

    CRecentFileList *GetRecentFileList() const { return m_pRecentFiles; }

private:
    CRecentFileList *m_pRecentFiles;
    std::filesystem::path m_oPathName;
    std::string m_sTitle = kUntitledTitle;
    bool m_bModified = false;
};
