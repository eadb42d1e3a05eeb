// Morvane program documents tests.
// A real main document without windows, driven through its task managers as the menus do.
#pragma once

#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/grading/testing/RecordingMessages.h"
#include "lang/LanguageLibrary.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "LanguageFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace testdocuments {

/// The current state of the task and of the sub-tasks running in it, joined by "/".
inline std::string statePath(CTask &task)
{
    std::string path;
    for (CTask *current = &task; current != nullptr && current->GetCurrentState() != nullptr;) {
        CTaskState *state = current->GetCurrentState();
        path += (path.empty() ? "" : "/") + state->GetName();
        current = state->AsTask();
    }
    return path;
}

/// A main document without windows in edit mode, with the program's texts: options with the association defaults, a
/// grading prompt that says yes, and quiet windows whose file dialogs answer as the test
/// queues.
class Session
{
public:
    Session()
    {
        EXPECT_TRUE(m_language.LoadLanguageLibrary(languageFolder(), ""));
        m_options.set("MAX_SIZE_DISSIMILARITY", "40");
        m_options.set("MAX_SHAPE_ERROR", "15");
        m_options.set("MAX_SHAPE_ERROR_MULTI", "15");
        m_options.set("START_EDIT_MODE", "1");
        m_doc.SetUserInterface(&ui);
        m_doc.SetEditMode(true);
    }

    CTaskManager &workspace() { return *m_doc.GetWorkspaceTaskManager(); }
    CTaskManager &tables() { return m_doc.GetMeasureTableDoc()->GetTaskManager(); }
    /// The active mask's task manager.
    CTaskManager &mask() { return *m_doc.GetTaskManager(); }
    CGradeMaskDocArray &masks() { return *m_doc.GetMaskDocs(); }
    CPtrCollection<CPattern> inputs()
    {
        CPtrCollection<CPattern> patterns;
        for (int i = 0; i < m_doc.GetInputPatterns()->GetPatternCount(); ++i)
            patterns.Add(m_doc.GetInputPatterns()->GetPatternAt(i));
        return patterns;
    }
    /// Grades again and saves the graded style to file through "SaveGrading".
    void gradeAndSave(const std::filesystem::path &file)
    {
        ASSERT_TRUE(mask().DispatchEvent("RecalculateGrading", nullptr));
        ui.QueueFileAnswer(file);
        ASSERT_TRUE(workspace().DispatchEvent("SaveGrading", nullptr));
        EXPECT_TRUE(m_prompt.problems.empty()) << m_prompt.problems.front();
    }
    /// Opens the mask file through "InsertMaskFromFile"; the new mask document, null when it
    /// did not open.
    CGradeMaskDoc *openMask(std::filesystem::path file)
    {
        const int count = masks().GetCount();
        if (!workspace().DispatchEvent("InsertMaskFromFile", &file))
            return nullptr;
        return masks().GetCount() > count ? masks().GetAt(count) : nullptr;
    }

    CLanguageLibrary m_language;
    morvane::FakeOptions m_options;
    testgrading::RecordingMessages m_prompt;
    CQuietUserInterface ui;
    CMorvaneDoc m_doc{m_options, m_prompt};
};

} // namespace testdocuments
