// Morvane automation service tests.
// The activation file: where it lies, what it says, and a folder that cannot be made.
#include "app/automation/ActivationFile.h"

#include "TemporaryFolder.h"
#include "foundation/FileContent.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace morvane::automation;

namespace {

/// Sets an environment variable for the test's life, then puts back what was there.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const std::string &value)
        : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(ActivationFileTest, NamesTheServiceAndStartsTheProgramForAutomation)
{
    struct Case
    {
        const char *program;
        const char *exec;
    };
    const Case cases[] = {
        {"/usr/bin/morvane", "Exec=/usr/bin/morvane -Automation\n"},
        {"/opt/My Programs/morvane", "Exec='/opt/My Programs/morvane' -Automation\n"},
        {"/home/o'neil/morvane", "Exec='/home/o'\\''neil/morvane' -Automation\n"},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.program);
        EXPECT_EQ(activationFileText(row.program),
                  std::string("[D-BUS Service]\nName=org.morvane.Morvane\n") + row.exec);
    }
}

TEST(ActivationFileTest, IsWrittenAmongTheUsersServicesMakingTheFolder)
{
    TemporaryFolder folder("activation");
    {
        const ScopedEnvironment data("XDG_DATA_HOME", (folder / "data").string());
        std::string error;
        ASSERT_TRUE(writeActivationFile("/usr/bin/morvane", error)) << error;
        const auto file = folder / "data/dbus-1/services/org.morvane.Morvane.service";
        EXPECT_EQ(activationFilePath(), file);
        EXPECT_EQ(morvane::readFileContent(file), activationFileText("/usr/bin/morvane"));
    }
    // Without XDG_DATA_HOME the file lies in the home's shared data.
    const ScopedEnvironment noData("XDG_DATA_HOME", "");
    const ScopedEnvironment home("HOME", (folder / "home").string());
    EXPECT_EQ(activationFilePath(),
              folder / "home/.local/share/dbus-1/services/org.morvane.Morvane.service");
}

TEST(ActivationFileTest, AFolderThatCannotBeMadeIsReportedByName)
{
    TemporaryFolder folder("activation");
    std::ofstream(folder / "data") << "a file where the folder should be";
    const ScopedEnvironment data("XDG_DATA_HOME", (folder / "data").string());
    std::string error;
    EXPECT_FALSE(writeActivationFile("/usr/bin/morvane", error));
    EXPECT_NE(error.find((folder / "data/dbus-1/services").string()), std::string::npos) << error;
}
