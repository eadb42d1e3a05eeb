// Morvane foundation library.
// Reading a whole file into memory.
#include "foundation/FileContent.h"

#include <fstream>
#include <system_error>

namespace morvane {

std::optional<std::string> readFileContent(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string content;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        content.resize(static_cast<std::size_t>(size));
        file.read(content.data(), static_cast<std::streamsize>(content.size()));
        content.resize(static_cast<std::size_t>(file.gcount()));
    }
    // Whatever the size did not tell: a file that grew, or one without a size.
    char buffer[1 << 16];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0)
        content.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (file.bad())
        return std::nullopt;
    return content;
}

} // namespace morvane
