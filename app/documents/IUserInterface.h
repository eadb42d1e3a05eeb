// Morvane program documents.
// The windows the documents and commands open: file dialogs, messages, options, images.
#pragma once

#include <filesystem>

class IFileChooser;
class IFormulaDialogs;
class IPrompt;

/// The options dialog: shown modally; returns once it is closed, the options saved or not.
class IOptionsDialog
{
public:
    virtual ~IOptionsDialog() = default;

    virtual void ShowOptionsDialog() = 0;
};

/// A window showing an image file, left open beside the program; every call opens another.
class IImageWindow
{
public:
    virtual ~IImageWindow() = default;

    virtual void ShowImage(const std::filesystem::path &image) = 0;
};

/// Every window a document or command opens, reached through the document. The program
/// installs its dialogs; batch runs and tests install quiet ones (CQuietUserInterface).
class IUserInterface
{
public:
    virtual ~IUserInterface() = default;

    virtual IFileChooser &GetFileChooser() = 0;
    virtual IPrompt &GetPrompt() = 0;
    virtual IOptionsDialog &GetOptionsDialog() = 0;
    virtual IImageWindow &GetImageWindow() = 0;
    /// The formula dialogs; null where none can open (batch runs).
    virtual IFormulaDialogs *GetFormulaDialogs() { return nullptr; }
};
