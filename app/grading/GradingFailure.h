// Morvane program grading.
// The error that ends the grading of a pattern: a formula that could not be evaluated.
#pragma once

#include <stdexcept>
#include <string>

/// Raised by the evaluation of one formula after the parser refused it or gave a value that is
/// not a number; the message names the formula and what is wrong. The grading of the pattern
/// stops and nothing of the failing formula is written.
class GradingFailure : public std::runtime_error
{
public:
    explicit GradingFailure(const std::string &message)
        : std::runtime_error(message)
    {
    }
};
