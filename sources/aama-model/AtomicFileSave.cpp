// Morvane AAMA grade model.
// Saving a file through a temporary file beside it.
#include "sources/aama-model/AtomicFileSave.h"

#include "foundation/TextFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace morvane {

namespace {

std::string reasonOf(int error)
{
    return std::strerror(error);
}

[[noreturn]] void throwCreateError(const std::filesystem::path &path, int error)
{
    throw FileSaveError(
        format("Can not create file %s: %s", path.c_str(), reasonOf(error).c_str()));
}

[[noreturn]] void throwWriteError(const std::filesystem::path &path, int error)
{
    throw FileSaveError(format("Can not write file %s: %s", path.c_str(), reasonOf(error).c_str()));
}

// The temporary file of one save, removed again unless it was renamed over the target.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::filesystem::path &target)
    {
        // A name that an earlier, interrupted save left behind is not reused.
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = target;
            m_path += format(".%d-%d.tmp", static_cast<int>(getpid()), attempt);
            m_fd = open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0 || errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            throwCreateError(target, errno);
    }

    ~TemporaryFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_renamed)
            unlink(m_path.c_str());
    }

    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    // Each returns 0 or the errno of the failure.
    int write(std::string_view content)
    {
        while (!content.empty()) {
            const ssize_t written = ::write(m_fd, content.data(), content.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                return errno;
            content.remove_prefix(static_cast<std::size_t>(written));
        }
        return 0;
    }

    int flushAndClose()
    {
        const int synced = fsync(m_fd) == 0 ? 0 : errno;
        const int closed = close(m_fd) == 0 ? 0 : errno;
        m_fd = -1;
        return synced != 0 ? synced : closed;
    }

    int renameTo(const std::filesystem::path &target)
    {
        if (std::rename(m_path.c_str(), target.c_str()) != 0)
            return errno;
        m_renamed = true;
        return 0;
    }

private:
    std::filesystem::path m_path;
    int m_fd = -1;
    bool m_renamed = false;
};

} // namespace

void saveFileAtomically(const std::filesystem::path &path, std::string_view content)
{
    TemporaryFile file(path);
    if (const int error = file.write(content))
        throwWriteError(path, error);
    if (const int error = file.flushAndClose())
        throwWriteError(path, error);
    if (const int error = file.renameTo(path))
        throwWriteError(path, error);
}

} // namespace morvane
