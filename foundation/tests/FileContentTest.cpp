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
