// Morvane program documents.
// One path of a workspace's list of mask files.
#include "app/documents/FilePath.h"

static const CRuntimeClass kFilePathClass("CFilePath", &CreateObjectOf<CFilePath>,
                                          CMvItem::GetThisClass());

CFilePath::CFilePath(std::string path)
{
    // Registered empty, as every path is: objects of one class share their registrations.
    AddStringAttribute(&m_sFilePath, "FilePath");
    m_sFilePath = std::move(path);
}

const CRuntimeClass *CFilePath::GetThisClass()
{
    return &kFilePathClass;
}
