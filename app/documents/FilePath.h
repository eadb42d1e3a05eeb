// Morvane program documents.
// One path of a workspace's list of mask files.
#pragma once

#include "foundation/AttContainer.h"
#include "model/MvItem.h"

#include <string>

/// A path as a workspace stores it: the one element "FilePath" (required).
class CFilePath : public CAttContainer, public CMvItem
{
public:
    explicit CFilePath(std::string path = {});

    /// "CFilePath", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    const std::string &GetFilePath() const { return m_sFilePath; }
    void SetFilePath(std::string path) { m_sFilePath = std::move(path); }

private:
    std::string m_sFilePath;
};
