// Morvane program grading.
// How grading reaches the user: its reports and its one question.
#pragma once

#include <string>

/// The user's side of grading. The program shows the reports in message boxes and its message
/// list; tests record them.
class IGradingMessages
{
public:
    virtual ~IGradingMessages() = default;

    /// A failure the user should read: a formula refused by the parser or naming what no table
    /// holds, a formula in a cycle, a grade model that cannot begin grading.
    virtual void ReportProblem(const std::string &text) = 0;
    /// A yes/no question; true for yes.
    virtual bool AskYesNo(const std::string &text) = 0;
};
