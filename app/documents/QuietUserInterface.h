// Morvane program documents.
// The windows of a run without any: answers given beforehand, everything asked recorded.
#pragma once

#include "app/documents/IFileChooser.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

/// The user interface of batch runs and tests: no window opens. File dialogs take the answers
/// queued for them, in order (one with none left is cancelled); questions get the answer set
/// (Yes until another is set); messages, questions, file requests, options dialogs and images
/// are recorded in the order they came.
class CQuietUserInterface : public IUserInterface,
                            private IFileChooser,
                            private IPrompt,
                            private IOptionsDialog,
                            private IImageWindow
{
public:
    /// One message box or question, as it was shown.
    struct Shown
    {
        std::string text;
        /// The icon of a message; questions are Warning.
        MessageIcon icon = MessageIcon::Warning;
        bool isQuestion = false;
    };

    IFileChooser &GetFileChooser() override { return *this; }
    IPrompt &GetPrompt() override { return *this; }
    IOptionsDialog &GetOptionsDialog() override { return *this; }
    IImageWindow &GetImageWindow() override { return *this; }
    /// None, unless a test installed its own.
    IFormulaDialogs *GetFormulaDialogs() override { return m_pFormulaDialogs; }
    void SetFormulaDialogs(IFormulaDialogs *dialogs) { m_pFormulaDialogs = dialogs; }

    /// The answer to the next file (or folder) dialog; nothing cancels it.
    void QueueFileAnswer(std::optional<std::filesystem::path> answer);
    void SetAnswer(PromptAnswer answer) { m_eAnswer = answer; }
    /// What the user does in the options dialog each time it is shown (nothing until set).
    void SetOptionsDialogAction(std::function<void()> action) { m_fnOptionsAction = std::move(action); }

    const std::vector<Shown> &GetShown() const { return m_aShown; }
    /// The messages only (not the questions), in order.
    std::vector<std::string> GetMessages() const;
    /// The questions only, in order.
    std::vector<std::string> GetQuestions() const;
    const std::vector<FileDialogRequest> &GetFileRequests() const { return m_aFileRequests; }
    int GetOptionsDialogCount() const { return m_nOptionsDialogs; }
    const std::vector<std::filesystem::path> &GetShownImages() const { return m_aImages; }
    /// Forgets what was recorded (not the queued answers).
    void ClearRecords();

private:
    std::optional<std::filesystem::path>
    ChooseFileToOpen(const FileDialogRequest &request) override;
    std::optional<std::filesystem::path>
    ChooseFileToSave(const FileDialogRequest &request) override;
    std::optional<std::filesystem::path> ChooseFolder(const std::string &title,
                                                      const std::filesystem::path &start) override;
    void ShowMessage(const std::string &text, MessageIcon icon) override;
    PromptAnswer AskYesNoCancel(const std::string &text) override;
    void ShowOptionsDialog() override
    {
        ++m_nOptionsDialogs;
        if (m_fnOptionsAction)
            m_fnOptionsAction();
    }
    void ShowImage(const std::filesystem::path &image) override { m_aImages.push_back(image); }

    std::optional<std::filesystem::path> nextFileAnswer(FileDialogRequest request);

    std::deque<std::optional<std::filesystem::path>> m_aFileAnswers;
    PromptAnswer m_eAnswer = PromptAnswer::Yes;
    std::vector<Shown> m_aShown;
    std::vector<FileDialogRequest> m_aFileRequests;
    int m_nOptionsDialogs = 0;
    std::function<void()> m_fnOptionsAction;
    std::vector<std::filesystem::path> m_aImages;
    IFormulaDialogs *m_pFormulaDialogs = nullptr;
};
