// Morvane foundation library.
// The map of one element name's stored objects by object name, through which references resolve.
#include "foundation/XmlNameMap.h"

#include <functional>

namespace morvane {

size_t XmlNameHash::operator()(std::string_view name) const noexcept
{
    // Up to 19 digits fit in 64 bits.
    constexpr size_t kMaxDigits = 19;
    if (name.empty() || name.size() > kMaxDigits)
        return std::hash<std::string_view>()(name);
    size_t number = 0;
    for (const char c : name) {
        if (c < '0' || c > '9')
            return std::hash<std::string_view>()(name);
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

} // namespace morvane
