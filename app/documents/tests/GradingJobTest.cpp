// Morvane program documents tests.
// The grading job run through the program's own commands on a real main document: the shirt
// example's style, sizes and mask are loaded, the pieces placed and tied, graded and saved;
// and the workspace and context saved on the way open the same job in a fresh document.
#include "SavedGrading.h"
#include "ShirtExample.h"
#include "TemporaryFolder.h"
#include "app/commands/AssociationRequests.h"
#include "app/documents/EventRecords.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/grading/testing/RecordingMessages.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "platform/brismond/IBrismond.h"
#include "tasks/TaskManager.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using testgrading::Increment;

constexpr int kSizes = 6;
constexpr int kBase = 2;

DPOINT steps(int size, double x, double y)
{
    return {x * (size - kBase), y * (size - kBase)};
}

/// The file's lines, less those of the clock it was written by (its creation date and time).
std::string readWithoutClock(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::string kept;
    for (std::string line; std::getline(in, line);) {
        if (line.find("Creation ") == std::string::npos
            && line.find("CREATION ") == std::string::npos)
            kept += line + '\n';
    }
    return kept;
}

/// A main document without windows: options with the association defaults, a grading prompt
/// that says yes, and quiet windows whose file dialogs answer as the test queues.
class Session
{
public:
    Session()
    {
        m_options.set("MAX_SIZE_DISSIMILARITY", "40");
        m_options.set("MAX_SHAPE_ERROR", "15");
        m_options.set("MAX_SHAPE_ERROR_MULTI", "15");
        m_options.set("START_EDIT_MODE", "1");
        m_doc.SetUserInterface(&ui);
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

    morvane::FakeOptions m_options;
    testgrading::RecordingMessages m_prompt;
    CQuietUserInterface ui;
    CMorvaneDoc m_doc{m_options, m_prompt};
};

class GradingJobTest : public ::testing::Test
{
protected:
    GradingJobTest() { example::writeShirtExample(m_folder.path()); }

    std::filesystem::path file(const char *name) const { return m_folder / name; }

    /// What the example's formulas make of its rules, worked out by hand: waist grows by 30 a
    /// size, so "waist/40" is 0.75; hip by 40, so "hip/80" is 0.5; BACK's first point moves by
    /// (1.25, -0.75) in every size but the base. The region grades its points only upward:
    /// across, they follow their graded neighbours, as the document's grading does by default.
    static std::vector<testgrading::ExpectedGrading> expectedGrading()
    {
        const Increment front = [](int s) { return steps(s, 0.75, 0.5); };
        const Increment back = [](int s) {
            return s == kBase ? DPOINT{0, 0} : DPOINT{1.25, -0.75};
        };
        const Increment backInRegion = [](int s) {
            return s == kBase ? DPOINT{0, 0} : DPOINT{1.25, 0.5 * (s - kBase)};
        };
        return {{{0, 0}, front},
                {{200, 0}, front},
                {{100, 120}, front},
                {{400, 100}, backInRegion},
                {{300, 0}, back}};
    }

    TemporaryFolder m_folder{"grading-job"};
};

} // namespace

TEST_F(GradingJobTest, TheCommandsGradeTheStyleAndAWorkspaceAndContextOpenTheSameJobAgain)
{
    {
        Session first;
        InputPatternsRequest style{file(example::kStyleFile), GMK_AAMA};
        ASSERT_TRUE(first.workspace().DispatchEvent("LoadInputPatterns", &style));
        ASSERT_EQ(first.m_doc.GetInputPatterns()->GetPatternCount(), 2);
        std::filesystem::path sizes = file(example::kTableSetFile);
        ASSERT_TRUE(first.tables().DispatchEvent("LoadTableSet", &sizes));
        std::filesystem::path maskFile = file(example::kMaskFile);
        ASSERT_TRUE(first.workspace().DispatchEvent("InsertMaskFromFile", &maskFile));
        ASSERT_TRUE(first.workspace().DispatchEvent("SetActiveMask", first.masks().GetAt(0)));

        AutoPlacement placement{first.inputs()};
        ASSERT_TRUE(first.mask().DispatchEvent("AutoPlacePatterns", &placement));
        PatternPointsAssociation points{first.inputs(), {}};
        ASSERT_TRUE(first.mask().DispatchEvent("AssociatePatternsPoints", &points));
        first.gradeAndSave(file("out.dxf"));
        EXPECT_TRUE(first.ui.GetMessages().empty()) << first.ui.GetMessages().front();
        testgrading::expectSavedStyle(file("out.dxf"), kSizes, expectedGrading());

        first.ui.QueueFileAnswer(file("job.mvw"));
        first.m_doc.GetDocCommands().SaveWorkspace();
        first.ui.QueueFileAnswer(file("job.cct"));
        first.m_doc.GetDocCommands().SaveContext();
    }

    Session fresh;
    fresh.ui.QueueFileAnswer(file("job.mvw"));
    fresh.m_doc.GetDocCommands().LoadWorkspace();
    ASSERT_EQ(fresh.masks().GetCount(), 1);
    EXPECT_EQ(fresh.m_doc.GetActiveMaskDoc(), fresh.masks().GetAt(0));
    ASSERT_EQ(fresh.m_doc.GetInputPatterns()->GetPatternCount(), 2);
    fresh.ui.QueueFileAnswer(file("job.cct"));
    fresh.m_doc.GetDocCommands().LoadContext();
    // Under the same name, since the files name their rule table after themselves.
    std::filesystem::create_directory(file("again"));
    fresh.gradeAndSave(file("again") / "out.dxf");

    EXPECT_TRUE(fresh.ui.GetMessages().empty()) << fresh.ui.GetMessages().front();
    EXPECT_EQ(readWithoutClock(file("again") / "out.dxf"), readWithoutClock(file("out.dxf")));
    EXPECT_EQ(readWithoutClock(file("again") / "out.RUL"), readWithoutClock(file("out.RUL")));
}
