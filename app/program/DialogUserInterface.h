// Morvane program.
// The windows the documents and commands open: Qt's file dialogs, message boxes, the options
// dialog and image windows.
#pragma once

#include "app/documents/IFileChooser.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

/// The program's user interface over the main window (not owned). Without a screen (Qt's
/// offscreen platform) nobody could answer a dialog: file dialogs are cancelled, messages go to
/// standard error, questions are answered yes and images are not shown.
class CDialogUserInterface : public IUserInterface,
                             public IFileChooser,
                             public IPrompt,
                             public IOptionsDialog,
                             public IImageWindow
{
public:
    explicit CDialogUserInterface(QWidget *window) : m_pWindow(window) {}

    IFileChooser &GetFileChooser() override { return *this; }
    IPrompt &GetPrompt() override { return *this; }
    IOptionsDialog &GetOptionsDialog() override { return *this; }
    IImageWindow &GetImageWindow() override { return *this; }

    std::optional<std::filesystem::path>
    ChooseFileToOpen(const FileDialogRequest &request) override;
    std::optional<std::filesystem::path>
    ChooseFileToSave(const FileDialogRequest &request) override;
    std::optional<std::filesystem::path> ChooseFolder(const std::string &title,
                                                      const std::filesystem::path &start) override;

    void ShowMessage(const std::string &text, MessageIcon icon) override;
    PromptAnswer AskYesNoCancel(const std::string &text) override;

    void ShowOptionsDialog() override;
    void ShowImage(const std::filesystem::path &image) override;

    /// The filter of a request ("Text (*.a)|*.a|All (*.*)|*.*||") as Qt's file dialogs take it
    /// ("Text (*.a);;All (*.*)").
    static QString QtFilter(const std::string &filter);

private:
    QWidget *m_pWindow;
};
