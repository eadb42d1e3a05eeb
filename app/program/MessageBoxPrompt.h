// Morvane program.
// The program's reports and questions, shown in message boxes.
#pragma once

#include "app/grading/GradingMessages.h"

/// Shows reports and yes/no questions in message boxes over the active window.
class CMessageBoxPrompt : public IGradingMessages
{
public:
    void ReportProblem(const std::string &text) override;
    bool AskYesNo(const std::string &text) override;
};
