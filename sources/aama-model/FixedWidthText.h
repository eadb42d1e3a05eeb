// Morvane AAMA grade model.
// Numbers right-aligned in a fixed width, made without printf, as the writers' files need them.
#pragma once

#include "foundation/TextFormat.h"

#include <string>

namespace morvane {

/// The text of format("%*d", width, value): blanks before the number up to width characters.
inline std::string blankPadded(long long value, int width)
{
    std::string text = formatInteger(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

/// The text of format("%0*d", width, value): zeros after the sign up to width characters.
inline std::string zeroPadded(long long value, int width)
{
    std::string text = formatInteger(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(value < 0 ? 1 : 0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

/// Appends the text of format("%*.*f", width, decimals, value) to text.
inline void appendBlankPaddedFixed(std::string &text, double value, int width, int decimals)
{
    const std::size_t start = text.size();
    appendFixed(text, value, decimals);
    const std::size_t length = text.size() - start;
    if (static_cast<int>(length) < width)
        text.insert(start, static_cast<std::size_t>(width) - length, ' ');
}

} // namespace morvane
