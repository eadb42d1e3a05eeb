// Morvane DXF group reading.
// Values that a file's texts give by key.
#include "sources/dxf-groups/KeyedText.h"

#include "foundation/NameCompare.h"

namespace morvane {

bool startsWithKey(std::string_view text, std::string_view key)
{
    return text.size() >= key.size() && equalsNoCase(text.substr(0, key.size()), key);
}

std::optional<std::string_view> keyedValue(std::string_view text, std::string_view key)
{
    if (!startsWithKey(text, key))
        return std::nullopt;
    const std::size_t start = text.find_first_not_of(" \t\r\n\f\v", key.size());
    if (start == std::string_view::npos)
        return std::nullopt;
    return text.substr(start);
}

} // namespace morvane
