// Morvane Scrivel XML filer.
// Saving a file safely: write a temporary file beside it, then rename it over the old one.
#include "platform/scrivel/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

using Step = FileReplaceFailure::Step;

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The permissions the file ends with: an existing file keeps its own, a new one gets what the
// umask allows (mkstemp alone would leave it readable by its owner only).
mode_t permissionsFor(const std::filesystem::path &fileName)
{
    struct stat status = {};
    if (::stat(fileName.c_str(), &status) == 0)
        return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes, sets the permissions, flushes and closes; the errno of the first failure, else 0.
int fillAndClose(int fd, std::string_view contents, const std::filesystem::path &fileName)
{
    int code = 0;
    if (!writeAll(fd, contents) || ::fchmod(fd, permissionsFor(fileName)) != 0 || ::fsync(fd) != 0)
        code = errno;
    // A delayed write error can surface only when the file is closed.
    if (::close(fd) != 0 && code == 0)
        code = errno;
    return code;
}

// The file that fileName names: a symbolic link is followed, so that saving replaces the file
// it points at and the link stays a link. A link to nothing is replaced itself.
std::filesystem::path linkTarget(const std::filesystem::path &fileName)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(fileName, error))
        return fileName;
    std::filesystem::path target = std::filesystem::canonical(fileName, error);
    return error ? fileName : target;
}

} // namespace

std::string FileReplaceFailure::describe(const std::filesystem::path &fileName) const
{
    const char *what = "cannot write";
    if (step == Step::CreateTemporary)
        what = "cannot create a temporary file";
    else if (step == Step::Replace)
        what = "cannot replace the file";
    return fileName.string() + ": " + what + ": " + std::strerror(code);
}

std::optional<FileReplaceFailure> replaceFile(const std::filesystem::path &fileName,
                                              std::string_view contents)
{
    const std::filesystem::path target = linkTarget(fileName);
    std::string tempName =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return FileReplaceFailure{Step::CreateTemporary, errno};

    if (const int code = fillAndClose(fd, contents, target)) {
        ::unlink(tempName.c_str());
        return FileReplaceFailure{Step::Write, code};
    }
    if (std::rename(tempName.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(tempName.c_str());
        return FileReplaceFailure{Step::Replace, code};
    }
    return std::nullopt;
}

bool replaceFileContents(const std::filesystem::path &fileName, std::string_view contents,
                         std::string &error)
{
    error.clear();
    const auto failure = replaceFile(fileName, contents);
    if (failure)
        error = failure->describe(fileName);
    return !failure;
}

} // namespace morvane
