// Morvane program grading.
// The messages of the formula parser's error codes.
#include "app/grading/ParseErrorText.h"

#include "platform/hollicot/ErrorCode.h"

namespace {

constexpr int kFirstCodeStringId = 61263;
constexpr int kOtherCodeStringId = 61277;
constexpr int kLowestCode = -14;

bool isKnownCode(int code)
{
    return code >= kLowestCode && code <= -1;
}

} // namespace

int parseErrorStringId(int code)
{
    return isKnownCode(code) ? kFirstCodeStringId - 1 - code : kOtherCodeStringId;
}

std::string GetParseErrorText(int code)
{
    if (!isKnownCode(code))
        return "unknown formula parser error";
    return std::string(hollicot::describeError(code));
}

std::string describeParseError(int code, const std::string &faultyText)
{
    return "error " + std::to_string(code) + " (" + GetParseErrorText(code) + ") in \"" +
           faultyText + "\"";
}

std::string formatParseFailure(const std::string &formulaText, int code,
                               const std::string &faultyText)
{
    return "formula '" + formulaText + "': " + describeParseError(code, faultyText);
}
