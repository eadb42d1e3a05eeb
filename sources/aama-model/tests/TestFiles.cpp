// Morvane AAMA grade model tests.
// Files of the tests: fixtures and golden files, a scratch folder per test, text comparison.
#include "TestFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

std::string readFile(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

fs::path dataPath(const std::string &name)
{
    const char *root = std::getenv("MORVANE_SOURCE_DIR");
    EXPECT_NE(root, nullptr) << "MORVANE_SOURCE_DIR is not set";
    return fs::path(root ? root : ".") / "sources/aama-model/tests/data" / name;
}

fs::path readerDataPath(const std::string &name)
{
    return dataPath("../../../aama-reader/tests/data/" + name).lexically_normal();
}

std::string fixtureTestName(const char *fixture)
{
    std::string name;
    for (const char *c = fixture; *c != '\0' && *c != '.'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    }
    return name;
}

std::string firstDifference(const std::string &actual, const std::string &expected)
{
    std::istringstream a(actual);
    std::istringstream e(expected);
    std::string actualLine;
    std::string expectedLine;
    for (int line = 1;; ++line) {
        const bool hasActual = static_cast<bool>(std::getline(a, actualLine));
        const bool hasExpected = static_cast<bool>(std::getline(e, expectedLine));
        if (!hasActual && !hasExpected)
            return "texts are equal";
        if (actualLine != expectedLine || hasActual != hasExpected)
            return "line " + std::to_string(line) + ": '" + actualLine + "' instead of '" +
                   expectedLine + "'";
    }
}

ScratchFolder::ScratchFolder()
{
    const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = fs::temp_directory_path() / ("aama-model-" + std::to_string(getpid()) + "-" +
                                          test->test_suite_name() + "-" + test->name());
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::vector<std::string> ScratchFolder::content() const
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_previous), 0);
    m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = m_previous;
    small.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousSignal);
}
