// Morvane foundation library tests.
// Reading whole files: bytes kept as they are, a missing file told apart from an empty one.
#include "foundation/FileContent.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(FileContentTest, ReadsEveryByteAndTellsMissingFromEmpty)
{
    const fs::path folder =
        fs::temp_directory_path() / ("file-content-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string bytes("a\r\nb\0c\n", 7);
    std::ofstream(folder / "full.bin", std::ios::binary) << bytes;
    std::ofstream(folder / "empty.bin", std::ios::binary);

    EXPECT_EQ(morvane::readFileContent(folder / "full.bin"), bytes);
    EXPECT_EQ(morvane::readFileContent(folder / "empty.bin"), std::string());
    EXPECT_EQ(morvane::readFileContent(folder / "missing.bin"), std::nullopt);
    EXPECT_EQ(morvane::readFileContent(folder), std::nullopt);
    fs::remove_all(folder);
}

// The bytes read without filling the memory first are the same, for small and large files,
// files without a size (which grow the room read into), and the same failures.
TEST(FileContentTest, ReadsTheSameBytesWithoutFillingMemoryFirst)
{
    const fs::path folder =
        fs::temp_directory_path() / ("file-bytes-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::string large;
    for (int i = 0; large.size() < 300000; ++i)
        large += std::to_string(i) + (i % 7 == 0 ? std::string("\r\n\0", 3) : " ");
    std::ofstream(folder / "large.bin", std::ios::binary) << large;
    std::ofstream(folder / "small.bin", std::ios::binary) << std::string("a\r\nb\0c\n", 7);
    std::ofstream(folder / "empty.bin", std::ios::binary);

    for (const fs::path &path : {folder / "large.bin", folder / "small.bin", folder / "empty.bin",
                                 fs::path("/proc/self/maps")}) {
        SCOPED_TRACE(path.string());
        const auto bytes = morvane::readFileBytes(path);
        ASSERT_TRUE(bytes.has_value());
        const auto content = morvane::readFileContent(path);
        ASSERT_TRUE(content.has_value());
        if (path.parent_path() == folder)
            EXPECT_EQ(bytes->view(), *content);
        else
            EXPECT_GT(bytes->view().size(), 0u);
    }
    EXPECT_FALSE(morvane::readFileBytes(folder / "missing.bin").has_value());
    EXPECT_FALSE(morvane::readFileBytes(folder).has_value());
    fs::remove_all(folder);
}
