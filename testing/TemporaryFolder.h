// Morvane test support.
// A fresh folder for the files a test writes, removed with its contents at the end of the test.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

class TemporaryFolder
{
public:
    /// Makes "<system temporary folder>/<prefix>-<process id>-<n>".
    explicit TemporaryFolder(const std::string &prefix)
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};
