// Morvane test support.
// Files of the source tree, found through the MORVANE_SOURCE_DIR that CTest sets.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

/// The file at relative (from the top of the source tree); a test fails when CTest did not set
/// MORVANE_SOURCE_DIR.
inline std::filesystem::path sourcePath(const std::string &relative)
{
    const char *root = std::getenv("MORVANE_SOURCE_DIR");
    EXPECT_NE(root, nullptr) << "MORVANE_SOURCE_DIR is not set";
    return std::filesystem::path(root != nullptr ? root : ".") / relative;
}
