// Morvane foundation library.
// Reading a whole file into memory.
#include "foundation/FileContent.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

namespace {

// The file descriptor of an open file, closed when it goes.
class OpenFile
{
public:
    explicit OpenFile(const std::filesystem::path &path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
    {
    }
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    int fd() const { return m_fd; }

private:
    int m_fd;
};

// The room to read a file into: one byte more than its size, so that the read that finds the
// end needs no more room; some room for a file without a size.
std::size_t roomFor(int fd)
{
    struct stat status = {};
    if (::fstat(fd, &status) == 0 && status.st_size > 0)
        return static_cast<std::size_t>(status.st_size) + 1;
    return 4096;
}

} // namespace

std::optional<FileBytes> readFileBytes(const std::filesystem::path &path)
{
    const OpenFile file(path);
    if (file.fd() < 0)
        return std::nullopt;
    std::size_t room = roomFor(file.fd());
    auto bytes = std::make_unique_for_overwrite<char[]>(room);
    std::size_t size = 0;
    for (;;) {
        // A file that grew while it was read.
        if (size == room) {
            auto more = std::make_unique_for_overwrite<char[]>(2 * room);
            std::memcpy(more.get(), bytes.get(), size);
            bytes = std::move(more);
            room *= 2;
        }
        const ssize_t count = ::read(file.fd(), bytes.get() + size, room - size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return FileBytes(std::move(bytes), size);
        size += static_cast<std::size_t>(count);
    }
}

} // namespace morvane
