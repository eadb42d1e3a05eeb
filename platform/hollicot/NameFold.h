// Morvane Hollicot formula parser.
// Names are compared without regard to ASCII case; other bytes compare as they are.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace hollicot {

/// name with the ASCII letters A-Z lowered; the key under which a name is looked up.
std::string foldName(std::string_view name);

/// True when a and b are the same name without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

/// Names and their positions in a list, looked up without regard to ASCII case; when the list
/// holds a name twice, the first position wins.
class NameIndex
{
public:
    NameIndex() = default;
    explicit NameIndex(const std::vector<std::string> &names);

    /// The position of name in the list, or -1.
    int find(std::string_view name) const;
    bool empty() const { return m_positions.empty(); }

private:
    std::unordered_map<std::string, int> m_positions;
};

} // namespace hollicot
