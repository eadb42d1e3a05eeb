// Morvane program documents tests.
// The workspace and the context of a real main document: what they record of it, what they
// open or put back, and the document's menu commands that load and save them and build the
// test model.
#include "DocumentSession.h"
#include "ShirtExample.h"
#include "FileText.h"
#include "TemporaryFolder.h"
#include "app/documents/EventRecords.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/MvContext.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/MaskPoint.h"
#include "platform/brismond/IBrismond.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using testdocuments::Session;

namespace {

/// The associations of every mask point of the mask, counted.
int associationCount(IGradeMask &mask)
{
    int count = 0;
    for (int p = 0; p < mask.GetPatternCount(); ++p) {
        CPattern &pattern = *mask.GetPatternAt(p);
        for (int i = 0; i < pattern.GetBasePointCount(); ++i) {
            CPtrCollection<CBasePoint> partners;
            if (IMaskPoint *maskPoint = pattern.GetBasePointAt(i)->GetMaskPoint())
                maskPoint->AppendAssociations(partners);
            count += partners.GetCount();
        }
    }
    return count;
}

class DocumentFilesTest : public ::testing::Test
{
protected:
    DocumentFilesTest()
    {
        example::writeShirtExample(m_folder.path());
        for (const char *copy : {"second.msk", "third.msk"})
            std::filesystem::copy_file(file(example::kMaskFile), file(copy));
    }

    std::filesystem::path file(const char *name) const { return m_folder / name; }

    /// The example's style and sizes loaded, and its three masks opened, the first active.
    void openJob(Session &session)
    {
        InputPatternsRequest style{file(example::kStyleFile), GMK_AAMA};
        ASSERT_TRUE(session.workspace().DispatchEvent("LoadInputPatterns", &style));
        std::filesystem::path sizes = file(example::kTableSetFile);
        ASSERT_TRUE(session.tables().DispatchEvent("LoadTableSet", &sizes));
        for (const char *mask : {example::kMaskFile, "second.msk", "third.msk"})
            ASSERT_NE(session.openMask(file(mask)), nullptr);
        ASSERT_TRUE(session.workspace().DispatchEvent("SetActiveMask", session.masks().GetAt(0)));
    }

    TemporaryFolder m_folder{"document-files"};
};

} // namespace

TEST_F(DocumentFilesTest, AWorkspaceRecordsWhatIsOpenAndOpensItAgain)
{
    {
        Session empty;
        ASSERT_TRUE(empty.m_doc.GetWorkspace()->Save(file("empty.mvw")));
        EXPECT_EQ(readFileText(file("empty.mvw")).find("MaskFilePaths"), std::string::npos);
        ASSERT_TRUE(empty.m_doc.GetWorkspace()->Load(file("empty.mvw")));
    }
    {
        Session first;
        openJob(first);
        first.ui.QueueFileAnswer(file("job.mvw"));
        first.m_doc.GetDocCommands().SaveWorkspace();
    }
    CMorvaneWorkspace saved;
    ASSERT_TRUE(saved.Load(file("job.mvw"))) << saved.GetLastError();
    EXPECT_EQ(saved.GetGradeModelType(), GMK_AAMA);
    EXPECT_EQ(saved.GetTableSetPath(), file(example::kTableSetFile));
    EXPECT_EQ(saved.GetMaskPaths(), (std::vector{file(example::kMaskFile), file("second.msk"),
                                                 file("third.msk")}));

    for (const bool withPatterns : {false, true}) {
        SCOPED_TRACE(withPatterns);
        Session fresh;
        ASSERT_TRUE(fresh.m_doc.GetWorkspace()->Load(file("job.mvw")));
        fresh.m_doc.GetWorkspace()->Apply(withPatterns);
        ASSERT_EQ(fresh.masks().GetCount(), 3);
        EXPECT_EQ(fresh.m_doc.GetActiveMaskDoc(), fresh.masks().GetAt(0));
        EXPECT_EQ(fresh.m_doc.GetMeasureTableDoc()->GetPathName(), file(example::kTableSetFile));
        EXPECT_EQ(fresh.m_doc.GetInputPatterns()->GetPatternCount(), withPatterns ? 2 : 0);
        EXPECT_EQ(fresh.m_doc.GetWorkspace()->GetModelText(), withPatterns ? "SHIRT" : "");
    }
}

TEST_F(DocumentFilesTest, OnlyAModelReadFromAFileIsLoadedAgain)
{
    struct Row
    {
        const char *name;
        int kind;
        bool loads;
    };
    const Row rows[] = {{"an AAMA style", GMK_AAMA, true},
                        {"the client program's model", GMK_CLIENT_PROGRAM, false},
                        {"no model", GMK_NONE, false},
                        {"the client grade model", GMK_CLIENT_MODEL, false}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CMorvaneWorkspace workspace;
        workspace.SetGradeModelType(row.kind);
        workspace.SetInputPatternFile(example::kStyleFile);
        ASSERT_TRUE(workspace.Save(file("kind.mvw")));
        Session session;
        ASSERT_TRUE(session.m_doc.GetWorkspace()->Load(file("kind.mvw")));
        session.m_doc.GetWorkspace()->Apply(true);
        EXPECT_EQ(session.m_doc.GetInputPatterns()->GetPatternCount(), row.loads ? 2 : 0);
        EXPECT_TRUE(session.masks().GetCount() == 0);
    }
}

TEST_F(DocumentFilesTest, TheTestModelReplacesTheStyleAndIsRecordedWithoutAFile)
{
    Session session;
    openJob(session);
    IGradeMask &mask = *session.masks().GetAt(0)->GetGradeMask();
    ASSERT_TRUE(session.m_doc.GetDocCommands().CanTestModel());
    session.m_doc.GetDocCommands().TestModel();
    ASSERT_EQ(session.m_doc.GetInputPatterns()->GetPatternCount(), 1);
    EXPECT_EQ(session.m_doc.GetInputPatterns()->GetPatternAt(0)->GetPatternName(), "Rectangle");
    EXPECT_EQ(session.m_doc.GetGradeModelKind(), GMK_CLIENT_MODEL);
    EXPECT_EQ(session.m_doc.GetWorkspace()->GetModelText(), "Test Model");
    EXPECT_EQ(associationCount(mask), 0) << "the style's ties went with it";
    EXPECT_FALSE(session.mask().CanUndo());

    session.ui.QueueFileAnswer(file("test.mvw"));
    session.m_doc.GetDocCommands().SaveWorkspace();
    CMorvaneWorkspace saved;
    ASSERT_TRUE(saved.Load(file("test.mvw")));
    EXPECT_EQ(saved.GetGradeModelType(), GMK_CLIENT_MODEL);
    EXPECT_EQ(saved.GetInputPatternFile(), "");

    // Loading a style again frees the test model (the sanitizer build sees a leak otherwise).
    InputPatternsRequest style{file(example::kStyleFile), GMK_AAMA};
    ASSERT_TRUE(session.workspace().DispatchEvent("LoadInputPatterns", &style));
    EXPECT_EQ(session.m_doc.GetInputPatterns()->GetPatternCount(), 2);
}

TEST_F(DocumentFilesTest, LoadingAWorkspaceThatCannotBeReadStillClosesTheMasks)
{
    Session session;
    openJob(session);
    std::ofstream(file("broken.mvw")) << "<MorvaneWorkspace><GradeModelType>2</GradeModel";
    session.ui.QueueFileAnswer(file("broken.mvw"));
    session.m_doc.GetDocCommands().LoadWorkspace();
    EXPECT_EQ(session.masks().GetCount(), 0);
    EXPECT_EQ(session.m_doc.GetInputPatterns()->GetPatternCount(), 2) << "nothing applied";
}

TEST_F(DocumentFilesTest, AContextPutsTheJobBackOnTheMasksItNamesOnlyOnce)
{
    Session session;
    openJob(session);
    // The example's context ties the pieces to the mask of its own file only.
    CMvContext example;
    ASSERT_TRUE(example.Load(file(example::kContextFile))) << example.GetLastError();
    ASSERT_TRUE(session.workspace().DispatchEvent("SetActiveMask", session.masks().GetAt(2)));
    example.Apply(session.m_doc);
    IGradeMask &tied = *session.masks().GetAt(0)->GetGradeMask();
    EXPECT_EQ(session.m_doc.GetActiveMaskDoc(), session.masks().GetAt(0))
        << "the last mask that had an entry";
    const int ties = associationCount(tied);
    EXPECT_GT(ties, 0);
    EXPECT_EQ(associationCount(*session.masks().GetAt(1)->GetGradeMask()), 0);
    EXPECT_FALSE(session.mask().CanUndo()) << "the masks changed outside their histories";

    example.Apply(session.m_doc);
    EXPECT_EQ(associationCount(tied), ties) << "applied twice, nothing is tied twice";

    // Gathered, saved and loaded, it names every open mask in order.
    session.ui.QueueFileAnswer(file("job.cct"));
    session.m_doc.GetDocCommands().SaveContext();
    CMvContext saved;
    ASSERT_TRUE(saved.Load(file("job.cct"))) << saved.GetLastError();
    ASSERT_EQ(saved.GetMaskCount(), 3);
    EXPECT_EQ(saved.GetMaskAt(1)->GetName(), file("second.msk").string());
    EXPECT_EQ(saved.GetMaskAt(0)->GetPatternCount(), 2);

    Session none;
    none.ui.QueueFileAnswer(file("none.cct"));
    none.m_doc.GetDocCommands().SaveContext();
    CMvContext empty;
    ASSERT_TRUE(empty.Load(file("none.cct")));
    EXPECT_EQ(empty.GetMaskCount(), 0);
}
