// Morvane program documents.
// The windows of a run without any: answers given beforehand, everything asked recorded.
#include "app/documents/QuietUserInterface.h"

void CQuietUserInterface::QueueFileAnswer(std::optional<std::filesystem::path> answer)
{
    m_aFileAnswers.push_back(std::move(answer));
}

std::vector<std::string> CQuietUserInterface::GetMessages() const
{
    std::vector<std::string> messages;
    for (const Shown &shown : m_aShown) {
        if (!shown.isQuestion)
            messages.push_back(shown.text);
    }
    return messages;
}

std::vector<std::string> CQuietUserInterface::GetQuestions() const
{
    std::vector<std::string> questions;
    for (const Shown &shown : m_aShown) {
        if (shown.isQuestion)
            questions.push_back(shown.text);
    }
    return questions;
}

void CQuietUserInterface::ClearRecords()
{
    m_aShown.clear();
    m_aFileRequests.clear();
    m_nOptionsDialogs = 0;
    m_aImages.clear();
}

std::optional<std::filesystem::path> CQuietUserInterface::nextFileAnswer(FileDialogRequest request)
{
    m_aFileRequests.push_back(std::move(request));
    if (m_aFileAnswers.empty())
        return std::nullopt;
    std::optional<std::filesystem::path> answer = std::move(m_aFileAnswers.front());
    m_aFileAnswers.pop_front();
    return answer;
}

std::optional<std::filesystem::path>
CQuietUserInterface::ChooseFileToOpen(const FileDialogRequest &request)
{
    return nextFileAnswer(request);
}

std::optional<std::filesystem::path>
CQuietUserInterface::ChooseFileToSave(const FileDialogRequest &request)
{
    return nextFileAnswer(request);
}

std::optional<std::filesystem::path>
CQuietUserInterface::ChooseFolder(const std::string &title, const std::filesystem::path &start)
{
    FileDialogRequest request;
    request.title = title;
    request.initialFolder = start;
    return nextFileAnswer(std::move(request));
}

void CQuietUserInterface::ShowMessage(const std::string &text, MessageIcon icon)
{
    m_aShown.push_back({text, icon, false});
}

PromptAnswer CQuietUserInterface::AskYesNoCancel(const std::string &text)
{
    m_aShown.push_back({text, MessageIcon::Warning, true});
    return m_eAnswer;
}
