// Morvane test support.
// The folder of the built language libraries, found through the MORVANE_LANGUAGE_DIR that CTest
// sets.
#pragma once

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

/// The folder the language libraries are built into; a test fails when CTest did not set
/// MORVANE_LANGUAGE_DIR.
inline std::filesystem::path languageFolder()
{
    const char *folder = std::getenv("MORVANE_LANGUAGE_DIR");
    EXPECT_NE(folder, nullptr) << "MORVANE_LANGUAGE_DIR is not set";
    return folder != nullptr ? folder : ".";
}
