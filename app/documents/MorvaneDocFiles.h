// Morvane program documents.
// The files of the main document as the automation batch reaches them.
#pragma once

#include "app/documents/IBatchDocumentFiles.h"

class CMorvaneDoc;

/// Contexts, the default workspace and the table set's task manager of one main document, for
/// the batch's operations. Nothing asks the user anything.
class CMorvaneDocFiles : public IBatchDocumentFiles
{
public:
    explicit CMorvaneDocFiles(CMorvaneDoc &document) : m_rDocument(document) {}

    CTaskManager *GetTableSetTaskManager() override;
    bool LoadContext(const std::filesystem::path &file) override;
    bool SaveContext(const std::filesystem::path &file) override;
    bool LoadDefaultWorkspace() override;
    std::filesystem::path GetDefaultContextPath() override;

private:
    CMorvaneDoc &m_rDocument;
};
