// Morvane test support.
// The whole text of a file, for tests that compare what was written.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

/// The bytes of file as text; empty when it cannot be read.
inline std::string readFileText(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
