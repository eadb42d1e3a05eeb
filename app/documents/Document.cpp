// Morvane program documents.
// The base of the program's documents: path name, title and modified flag.
#include "app/documents/Document.h"

#include "app/documents/RecentFileList.h"

CDocument::CDocument(CRecentFileList *recentFiles)
    : m_pRecentFiles(recentFiles)
{
}

bool CDocument::OnNewDocument()
{
    SetModifiedFlag(false);
    return true;
}

bool CDocument::IsModified() const
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(bool modified)
{
    m_bModified = modified;
}

void CDocument::SetPathName(const std::filesystem::path &path, bool addToRecentFiles)
{
    m_oPathName = path;
    SetTitle(path.filename().string());
    if (addToRecentFiles && m_pRecentFiles != nullptr)
        m_pRecentFiles->Add(path);
}

void CDocument::ClearPathName()
{
    m_oPathName.clear();
    SetTitle(kUntitledTitle);
}

void CDocument::SetTitle(const std::string &title)
{
    m_sTitle = title;
}
