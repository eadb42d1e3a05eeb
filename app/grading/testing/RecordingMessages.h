// Morvane program grading test support.
// The user's side of grading in memory: reports recorded, questions answered as set.
#pragma once

#include "app/grading/GradingMessages.h"

#include <string>
#include <vector>

namespace testgrading {

/// Records the reports; answers every question with the answer set.
class RecordingMessages : public IGradingMessages
{
public:
    void ReportProblem(const std::string &text) override { problems.push_back(text); }
    bool AskYesNo(const std::string &text) override
    {
        questions.push_back(text);
        return answer;
    }

    std::vector<std::string> problems;
    std::vector<std::string> questions;
    bool answer = true;
};

} // namespace testgrading
