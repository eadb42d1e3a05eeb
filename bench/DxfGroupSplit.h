// Morvane benchmarks.
// The least any DXF reader does, as a reference: split the text into group-code pairs and
// convert every real value met.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstring>
#include <string_view>

/// What the split saw, so that the compiler keeps the work.
struct DxfGroupSplitSums
{
    long long codeSum = 0;
    std::size_t valueBytes = 0;
    double realSum = 0.0;
};

/// Pairs each code line, read as a number, with its value line, and converts every real value
/// (codes 10 to 59).
inline DxfGroupSplitSums splitIntoGroupPairsConvertingReals(std::string_view content)
{
    DxfGroupSplitSums sums;
    const char *position = content.data();
    const char *end = position + content.size();
    while (position < end) {
        const char *codeEnd =
            static_cast<const char *>(std::memchr(position, '\n', end - position));
        if (!codeEnd)
            break;
        const char *digits = position;
        while (digits < codeEnd && *digits == ' ')
            ++digits;
        int code = 0;
        std::from_chars(digits, codeEnd, code);
        sums.codeSum += code;
        const char *valueEnd =
            static_cast<const char *>(std::memchr(codeEnd + 1, '\n', end - codeEnd - 1));
        if (!valueEnd)
            break;
        sums.valueBytes += static_cast<std::size_t>(valueEnd - codeEnd - 1);
        if (code >= 10 && code <= 59) {
            double value = 0.0;
            std::from_chars(codeEnd + 1, valueEnd, value);
            sums.realSum += value;
        }
        position = valueEnd + 1;
    }
    return sums;
}
