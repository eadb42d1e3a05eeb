// Morvane DXF group reading.
// Values that a file's texts give by key, such as "Sample Size: M".
#pragma once

#include <optional>
#include <string_view>

namespace morvane {

/// The value that text gives for key (the key includes its colon): the rest of the text after
/// the key, without its leading blanks, when the text starts with the key (compared without
/// regard to ASCII case) and has more than blanks after it; nothing otherwise. The value keeps
/// its case and its trailing blanks.
std::optional<std::string_view> keyedValue(std::string_view text, std::string_view key);

/// Whether text starts with key, compared without regard to ASCII case.
bool startsWithKey(std::string_view text, std::string_view key);

/// The value of the first of texts that gives one for key; empty when none does.
template <typename Texts, typename TextOf>
std::string_view firstKeyedValue(const Texts &texts, std::string_view key, TextOf textOf)
{
    for (const auto &text : texts) {
        if (const std::optional<std::string_view> value = keyedValue(textOf(text), key))
            return *value;
    }
    return {};
}

} // namespace morvane
