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

} // namespace morvane
