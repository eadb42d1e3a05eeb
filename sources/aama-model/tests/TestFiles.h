// Morvane AAMA grade model tests.
// Files of the tests: fixtures and golden files, a scratch folder per test, text comparison.
#pragma once

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

/// The bytes of the file; empty when it cannot be read.
std::string readFile(const std::filesystem::path &path);

/// The path of a file in tests/data.
std::filesystem::path dataPath(const std::string &name);

/// The first line where two texts differ, to make a golden-file failure readable.
std::string firstDifference(const std::string &actual, const std::string &expected);

/// An empty folder for the running test, removed with everything in it at the end.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }
    /// The names in the folder, sorted: a failed save must leave no temporary file behind.
    std::vector<std::string> content() const;

private:
    std::filesystem::path m_path;
};

/// While it lives, files written by the process cannot grow beyond bytes: a write past that
/// fails with "File too large" (the signal it would raise is ignored).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
};

/// A test name made of a fixture's file name: its letters and digits before the extension.
std::string fixtureTestName(const char *fixture);

/// The path of a file in the AAMA reader's tests/data: files with the traits of other pattern
/// systems.
std::filesystem::path readerDataPath(const std::string &name);
