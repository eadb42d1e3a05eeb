// Morvane program documents.
// The message boxes and questions of the commands, reached without knowing any window.
#pragma once

#include <string>

/// The answers to a question.
enum class PromptAnswer { Yes, No, Cancel };

/// What a message box shows beside its text.
enum class MessageIcon { Stop, Warning, Information };

/// Shows the user a message or asks a question. The program shows message boxes; batch runs
/// and tests answer without a window.
class IPrompt
{
public:
    virtual ~IPrompt() = default;

    /// A message with an OK button.
    virtual void ShowMessage(const std::string &text, MessageIcon icon) = 0;
    /// A question with the buttons Yes, No and Cancel.
    virtual PromptAnswer AskYesNoCancel(const std::string &text) = 0;
};
