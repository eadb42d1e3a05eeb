// Morvane command, task and undo engine tests.
// Task variables: text held, numbers read and written locale-free, visibility to sub-tasks.
#include "tasks/testing/ChartFixture.h"
#include "ScopedLocale.h"

#include "tasks/CommandAttributes.h"
#include "tasks/Task.h"

#include <cstdint>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

struct IntegerCase
{
    const char *text;
    int expected;
};

// Reads keep atoi's rules: leading blanks and sign, trailing text ignored, 0 for no number.
constexpr IntegerCase kIntegerCases[] = {
    {"12", 12}, {"12abc", 12}, {"  -7", -7}, {"abc", 0}, {"", 0}, {"3.9", 3},
};

TEST(TaskVariablesTest, ReadsTheLeadingIntegerOfTheText)
{
    CCommandAttributes variables(nullptr);
    variables.AddVariable("value", "", kVisibleReadOnly);
    for (const auto &row : kIntegerCases) {
        SCOPED_TRACE(row.text);
        ASSERT_TRUE(variables.SetText("value", row.text));
        int value = -1;
        variables.GetInteger("value", &value);
        EXPECT_EQ(value, row.expected);
        variables.GetNumber("value", &value);
        EXPECT_EQ(value, row.expected);
    }
}

TEST(TaskVariablesTest, WritesAndReadsNumbersInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    CCommandAttributes variables(nullptr);
    variables.AddVariable("dx", "0", kVisibleReadOnly);
    variables.AddVariable("count", "0", kVisibleReadOnly);

    ASSERT_TRUE(variables.SetDouble("dx", 2.5));
    ASSERT_TRUE(variables.SetInteger("count", -42));
    std::string text;
    variables.GetText("dx", &text);
    EXPECT_EQ(text, "2.500000");
    double dx = 0;
    variables.GetDouble("dx", &dx);
    EXPECT_DOUBLE_EQ(dx, 2.5);
    variables.GetText("count", &text);
    EXPECT_EQ(text, "-42");
}

TEST(TaskVariablesTest, UnknownNamesReadAsDefaultsAndRefuseWrites)
{
    CCommandAttributes variables(nullptr);
    variables.AddVariable("Dist", "5", kVisibleReadOnly);
    int number = -1;
    double real = -1;
    std::string text = "x";
    variables.GetInteger("dist", &number); // names are case-sensitive
    variables.GetDouble("dist", &real);
    variables.GetText("dist", &text);
    EXPECT_EQ(number, 0);
    EXPECT_EQ(real, 0.0);
    EXPECT_EQ(text, "");
    EXPECT_FALSE(variables.SetText("dist", "1"));
    EXPECT_FALSE(variables.SetInteger("dist", 1));
}

TEST(TaskVariablesTest, KeepsPointersAtFullWidth)
{
    CCommandAttributes variables(nullptr);
    variables.AddVariable("pFocusManager", "0", kVisibleReadOnly);
    void *pointer = reinterpret_cast<void *>(~uintptr_t{0});
    variables.GetPointer("pFocusManager", &pointer);
    EXPECT_EQ(pointer, nullptr) << "a variable declared with \"0\" reads as null";

    // An address above 4 GiB, as heap and stack addresses are on 64-bit Linux.
    void *const high = reinterpret_cast<void *>(uintptr_t{0x7ffd12345678});
    ASSERT_TRUE(variables.SetPointer("pFocusManager", high));
    variables.GetPointer("pFocusManager", &pointer);
    EXPECT_EQ(pointer, high);

    const auto object = std::make_unique<int>(7);
    ASSERT_TRUE(variables.SetPointer("pFocusManager", object.get()));
    variables.GetPointer("pFocusManager", &pointer);
    EXPECT_EQ(pointer, object.get());

    variables.SetText("pFocusManager", "12abc");
    variables.GetPointer("pFocusManager", &pointer);
    EXPECT_EQ(pointer, nullptr) << "text that is not an address reads as null";
}

// A main task declaring one variable of each visibility, and a sub-task "Sub" inside it.
class VisibilityTest : public ::testing::Test
{
protected:
    VisibilityTest() : m_manager(&m_log)
    {
        m_manager.task("Main", [](ITask *task) {
            ICommandAttributes *variables = task->GetAttributes();
            variables->AddVariable("readOnly", "1", kVisibleReadOnly);
            variables->AddVariable("writable", "2", kVisibleWritable);
            variables->AddVariable("private", "3", kPrivate);
            variables->AddVariable("shadowed", "4", kVisibleWritable);
            task->AddEntryState("Entry", 0);
            task->AddSubTask("Sub", "Sub", 2);
            task->AddTransition("Entry", "", "", "Sub", "000000000001");
        });
        m_manager.task("Sub", [](ITask *task) {
            task->GetAttributes()->AddVariable("shadowed", "40", kVisibleReadOnly);
            task->AddEntryState("Entry", 0);
            task->AddState("Idle", 2);
            task->AddTransition("Entry", "", "", "Idle", "000000000002");
        });
        m_manager.start("Main");
    }

    ICommandAttributes &mainVariables() { return *m_manager.GetMainTask()->GetAttributes(); }
    ICommandAttributes &subVariables()
    {
        return *m_manager.GetMainTask()->FindState("Sub")->AsTask()->GetAttributes();
    }
    int readFrom(ICommandAttributes &variables, const char *name)
    {
        int value = -1;
        variables.GetInteger(name, &value);
        return value;
    }

    EventLog m_log;
    ScriptedTaskManager m_manager;
};

TEST_F(VisibilityTest, SubTaskReadsAndWritesOnlyWhatItMay)
{
    EXPECT_EQ(readFrom(subVariables(), "readOnly"), 1);
    EXPECT_FALSE(subVariables().SetInteger("readOnly", 10));
    EXPECT_EQ(readFrom(mainVariables(), "readOnly"), 1);

    EXPECT_TRUE(subVariables().SetInteger("writable", 20));
    EXPECT_EQ(readFrom(mainVariables(), "writable"), 20);

    EXPECT_EQ(readFrom(subVariables(), "private"), 0);
    EXPECT_FALSE(subVariables().SetInteger("private", 30));
    EXPECT_TRUE(mainVariables().SetInteger("private", 31));
    EXPECT_EQ(readFrom(mainVariables(), "private"), 31);
}

TEST_F(VisibilityTest, OwnVariableHidesTheParentsOfTheSameName)
{
    EXPECT_EQ(readFrom(subVariables(), "shadowed"), 40);
    EXPECT_TRUE(subVariables().SetInteger("shadowed", 41));
    EXPECT_EQ(readFrom(mainVariables(), "shadowed"), 4);
}
