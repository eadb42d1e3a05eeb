// Morvane program documents tests.
// The grading job run through the program's own commands on a real main document: the shirt
// example's style, sizes and mask are loaded, the pieces placed and tied, graded and saved;
// and the workspace and context saved on the way open the same job in a fresh document.
#include "DocumentSession.h"
#include "SavedGrading.h"
#include "ShirtExample.h"
#include "TemporaryFolder.h"
#include "app/commands/AssociationRequests.h"
#include "app/documents/EventRecords.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/MvBatchProcess.h"
#include "model/IInputPatterns.h"

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
        testdocuments::Session first;
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

    testdocuments::Session fresh;
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

TEST_F(GradingJobTest, AClientsBatchLoadsPlacesTiesAndGradesTheStyleForTheFileMenusSave)
{
    testdocuments::Session session;
    CMvBatchProcess &batch = session.m_doc.GetAutomation().GetBatchProcess();
    const int style = batch.AddOperation(BO_LOAD_INPUT_PATTERNS);
    batch.AddOperationParam(style, 1, file(example::kStyleFile).string());
    batch.AddOperationParam(style, 2, "GMT_AAMA");
    const int sizes = batch.AddOperation(BO_LOAD_TABLE_SET);
    batch.AddOperationParam(sizes, 1, file(example::kTableSetFile).string());
    const int mask = batch.AddOperation(BO_INSERT_MASK_FROM_FILE);
    batch.AddOperationParam(mask, 1, file(example::kMaskFile).string());
    batch.AddOperation(BO_AUTO_PLACE_PATTERNS);
    batch.AddOperation(BO_ASSOCIATE_POINTS);

    ASSERT_TRUE(batch.Run());
    int32_t failed = 0;
    EXPECT_EQ(batch.GetLastError(failed), BE_NO_ERROR);
    session.ui.QueueFileAnswer(file("out.dxf"));
    ASSERT_TRUE(session.workspace().DispatchEvent("SaveGrading", nullptr));

    EXPECT_TRUE(session.ui.GetMessages().empty()) << session.ui.GetMessages().front();
    testgrading::expectSavedStyle(file("out.dxf"), kSizes, expectedGrading());
}
