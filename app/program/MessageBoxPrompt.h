// Morvane program.
// The program's reports and questions, shown in message boxes.
#pragma once

#include "app/grading/GradingMessages.h"

/// Shows reports and yes/no questions in message boxes over the active window. Without a
/// screen (Qt's offscreen platform) nobody could answer a message box: reports go to standard
/// error and questions are answered yes, as in batch runs.
class CMessageBoxPrompt : public IGradingMessages
{
public:
    /// Whether a user sees the program's windows.
    static bool HasScreen();

    void ReportProblem(const std::string &text) override;
    bool AskYesNo(const std::string &text) override;
};
