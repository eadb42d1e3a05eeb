// Morvane foundation library.
// Reading a whole file into memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

/// Every byte of the file at path, as it is on disk (no line-end conversion). Nothing when the
/// file cannot be opened or a read fails; an empty file gives an empty text.
std::optional<std::string> readFileContent(const std::filesystem::path &path);

/// A whole file's bytes, in memory that was not filled before the file was read into it.
class FileBytes
{
public:
    FileBytes(std::unique_ptr<char[]> bytes, std::size_t size)
        : m_bytes(std::move(bytes))
        , m_size(size)
    {
    }

    std::string_view view() const { return {m_bytes.get(), m_size}; }

private:
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size;
};

/// The bytes that readFileContent() gives, for large files that are only looked at: read
/// without filling the memory first. Nothing when the file cannot be opened or a read fails.
std::optional<FileBytes> readFileBytes(const std::filesystem::path &path);

} // namespace morvane
