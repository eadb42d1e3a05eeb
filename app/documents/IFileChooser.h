// Morvane program documents.
// The file dialogs the commands open, reached without knowing any window.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

/// What a file dialog shows: its title, the folder it opens in, the name it offers, the
/// extension added to a name typed without one, and the file types in the form
/// "Description (*.ext)|*.ext|...||".
struct FileDialogRequest
{
    std::string title;
    std::filesystem::path initialFolder;
    std::string suggestedName;
    std::string defaultExtension;
    std::string filter;
};

/// Asks the user for a file or a folder. The program shows its dialogs; batch runs and tests
/// answer without a window.
class IFileChooser
{
public:
    virtual ~IFileChooser() = default;

    /// An existing file to read; nothing when the user cancels.
    virtual std::optional<std::filesystem::path>
    ChooseFileToOpen(const FileDialogRequest &request) = 0;
    /// A file to write, an existing one only once the user agreed to replace it; nothing when
    /// the user cancels.
    virtual std::optional<std::filesystem::path>
    ChooseFileToSave(const FileDialogRequest &request) = 0;
    /// A folder, starting from start; nothing when the user cancels.
    virtual std::optional<std::filesystem::path>
    ChooseFolder(const std::string &title, const std::filesystem::path &start) = 0;
};
