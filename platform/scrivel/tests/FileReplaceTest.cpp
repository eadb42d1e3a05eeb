// Morvane Scrivel XML filer tests.
// Replacing a file through a temporary file: contents, permissions and failed writes.
#include "platform/scrivel/FileReplace.h"

#include "TemporaryFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace morvane;

namespace {

std::string readFile(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileReplaceTest : public ::testing::Test
{
protected:
    int countFiles() const
    {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(m_folder.path()),
                                              std::filesystem::directory_iterator()));
    }

    const TemporaryFolder m_folder{"file-replace-test"};
};

// Lowers the largest file size this process may write, so that a write fails as on a full
// disk; writing past it must not kill the process.
class ScopedFileSizeLimit
{
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit &) = delete;
    ScopedFileSizeLimit &operator=(const ScopedFileSizeLimit &) = delete;

private:
    rlimit m_previous = {};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

TEST_F(FileReplaceTest, ReplacesContentsAndKeepsPermissions)
{
    const std::filesystem::path file = m_folder / "mask.msk";
    std::string error;
    ASSERT_TRUE(replaceFileContents(file, "first", error)) << error;
    EXPECT_EQ(readFile(file), "first");
    struct stat status = {};
    ::stat(file.c_str(), &status);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask) << "a new file follows the umask";

    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(replaceFileContents(file, "second", error)) << error;
    EXPECT_EQ(readFile(file), "second");
    ::stat(file.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(countFiles(), 1) << "no temporary file is left";
}

TEST_F(FileReplaceTest, AFailedWriteLeavesTheOldFile)
{
    const std::filesystem::path file = m_folder / "mask.msk";
    std::string error;
    ASSERT_TRUE(replaceFileContents(file, "old contents", error)) << error;
    {
        const ScopedFileSizeLimit limit(16);
        EXPECT_FALSE(replaceFileContents(file, std::string(4096, 'x'), error));
    }
    EXPECT_EQ(error, file.string() + ": cannot write: File too large");
    EXPECT_EQ(readFile(file), "old contents");
    EXPECT_EQ(countFiles(), 1) << "the temporary file is removed";
}

TEST_F(FileReplaceTest, ReportsAFolderInTheWay)
{
    const std::filesystem::path folder = m_folder / "taken";
    std::filesystem::create_directories(folder / "inside");
    std::string error;
    EXPECT_FALSE(replaceFileContents(folder, "text", error));
    EXPECT_EQ(error.rfind(folder.string() + ": cannot replace the file: ", 0), 0u) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));
    EXPECT_EQ(countFiles(), 1);
}

TEST_F(FileReplaceTest, ReplacesTheFileALinkPointsAt)
{
    const std::filesystem::path folder = m_folder / "masks";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "mask.msk";
    std::string error;
    ASSERT_TRUE(replaceFileContents(file, "old", error)) << error;
    const std::filesystem::path link = m_folder / "link.msk";
    std::filesystem::create_symlink(std::filesystem::path("masks") / "mask.msk", link);

    ASSERT_TRUE(replaceFileContents(link, "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << "the link stays";
    EXPECT_EQ(readFile(file), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left beside the file";
}
