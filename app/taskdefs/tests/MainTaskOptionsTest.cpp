// Morvane interactive tasks, tests.
// "MainTask" copies the user's repeat and move-mode options from "MORVANE.INI" when it starts.
#include "app/taskdefs/MainTask.h"

#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "app/ui/options/Options.h"
#include "app/ui/options/OptionsByName.h"

#include "TemporaryFolder.h"

#include <cstdlib>
#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;
using ::testing::IsEmpty;

namespace {

/// Document services whose options are the program's, read from "MORVANE.INI".
class ServicesWithOptions : public FakeDocumentServices
{
public:
    IOptions &GetOptions() override { return m_options; }

private:
    OptionsByName m_options{*COptions::GetInstance()};
};

struct OptionsCase
{
    const char *name;
    const char *file; // null: no options file
    int repeat, repeatAdd, repeatMoveView, repeatZoomRectangle, bAutoMove;
};

// Every key flipped from its default, then no file at all (the defaults).
constexpr OptionsCase kOptionsCases[] = {
    {"every key flipped",
     "[FAVOURITES]\nREPEAT_INTERACIVE_TOOLS=0\nREPEAT_ADD_REGION=1\nREPEAT_MOVE_VIEW=1\n"
     "REPEAT_ZOOM_RECTANGLE=1\nSTART_WITH_MOVE_MODE=0\n",
     0, 1, 1, 1, 0},
    {"defaults", nullptr, 1, 0, 0, 0, 1},
};

int variable(CTask &task, const char *name)
{
    int value = -1;
    task.GetAttributes()->GetInteger(name, &value);
    return value;
}

} // namespace

TEST(MainTaskOptionsTest, CopiesTheRepeatAndMoveOptionsWhenItStarts)
{
    for (const OptionsCase &row : kOptionsCases) {
        SCOPED_TRACE(row.name);
        const TemporaryFolder folder("main-task-options");
        setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
        if (row.file) {
            std::filesystem::create_directories(folder / "morvane");
            std::ofstream(folder.path() / "morvane" / "MORVANE.INI") << row.file;
        }
        {
            EventLog log;
            ServicesWithOptions services;
            ScriptedMaskTaskManager manager(&log);
            manager.start("MainTask", &services);
            CTask &main = *manager.GetMainTask();
            EXPECT_EQ(variable(main, "repeat"), row.repeat);
            EXPECT_EQ(variable(main, "repeatAdd"), row.repeatAdd);
            EXPECT_EQ(variable(main, "repeatMoveView"), row.repeatMoveView);
            EXPECT_EQ(variable(main, "repeatZoomRectangle"), row.repeatZoomRectangle);
            EXPECT_EQ(variable(main, "bAutoMove"), row.bAutoMove);
            EXPECT_THAT(manager.diagnostics, IsEmpty());
        }
        COptions::DeleteInstance();
        unsetenv("XDG_CONFIG_HOME");
    }
}
