// Morvane program documents.
// What the automation batch reaches of the files the program's commands keep: the table set's
// task manager, contexts and the default workspace.
#pragma once

#include <filesystem>

class CTaskManager;

/// The file side of the main document as the batch's operations use it. Every operation
/// answers whether it did its work; none asks the user anything.
class IBatchDocumentFiles
{
public:
    virtual ~IBatchDocumentFiles() = default;

    /// The measurement-table document's task manager, which takes "LoadTableSet"; null when
    /// there is none.
    virtual CTaskManager *GetTableSetTaskManager() = 0;
    /// Loads the context file (root "MvContext") and applies it to the document; false, applying
    /// nothing, when the file was not loaded.
    virtual bool LoadContext(const std::filesystem::path &file) = 0;
    /// Gathers the document's open masks into a context and saves it to the file; false when it
    /// was not saved.
    virtual bool SaveContext(const std::filesystem::path &file) = 0;
    /// Loads the document's workspace from the default workspace file and applies it without
    /// loading input patterns; false, applying nothing, when the file was not loaded.
    virtual bool LoadDefaultWorkspace() = 0;
    /// The default context file.
    virtual std::filesystem::path GetDefaultContextPath() = 0;
};
