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

bool fail(std::string &error, const std::filesystem::path &fileName, const char *what, int code)
{
    error = fileName.string() + ": " + what + ": " + std::strerror(code);
    return false;
}

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
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

} // namespace

bool replaceFileContents(const std::filesystem::path &fileName, std::string_view contents,
                         std::string &error)
{
    error.clear();
    std::string tempName =
        (fileName.parent_path() / ("." + fileName.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return fail(error, fileName, "cannot create a temporary file", errno);

    const char *failedStep = nullptr;
    if (!writeAll(fd, contents))
        failedStep = "cannot write";
    else if (::fchmod(fd, permissionsFor(fileName)) != 0)
        failedStep = "cannot set permissions";
    else if (::fsync(fd) != 0)
        failedStep = "cannot write";
    int code = errno;
    // A delayed write error can surface only when the file is closed.
    if (::close(fd) != 0 && failedStep == nullptr) {
        failedStep = "cannot write";
        code = errno;
    }
    if (failedStep != nullptr) {
        ::unlink(tempName.c_str());
        return fail(error, fileName, failedStep, code);
    }
    if (std::rename(tempName.c_str(), fileName.c_str()) != 0) {
        const int renameCode = errno;
        ::unlink(tempName.c_str());
        return fail(error, fileName, "cannot replace the file", renameCode);
    }
    return true;
}

} // namespace morvane
