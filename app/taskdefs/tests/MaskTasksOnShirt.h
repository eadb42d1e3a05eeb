// Morvane interactive tasks, tests.
// A fixture: the shirt style's grade-mask document running a real mask task manager.
#pragma once

#include "app/interaction/testing/ShirtMaskTest.h"
#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "lang/LanguageLibrary.h"
#include "LanguageFolder.h"

#include <gmock/gmock.h>

/// The shirt on its mask, its tools run by a CMaskTaskManager (with the stubs a test registers
/// before start()), the English texts loaded. A chart problem fails the test.
class MaskTasksOnShirtTest : public testinteraction::ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        ASSERT_TRUE(language.LoadLanguageLibrary(languageFolder(), ""));
        document.useTaskManager(&manager);
    }
    void TearDown() override { EXPECT_THAT(manager.diagnostics, ::testing::IsEmpty()); }

    /// Creates and runs the manager on the document's main document, and activates the mask.
    void start()
    {
        manager.start("MainTask", &document.services);
        manager.DispatchEvent("OnActivate", nullptr);
        log.clear();
    }
    CTask &mainTask() { return *manager.GetMainTask(); }
    std::string state() { return morvane::test::currentStatePath(mainTask()); }
    void setVariable(const char *name, int value)
    {
        ASSERT_TRUE(mainTask().GetAttributes()->SetInteger(name, value)) << name;
    }

    CLanguageLibrary language;
    morvane::test::EventLog log;
    morvane::test::ScriptedMaskTaskManager manager{&log};
};
