// Morvane program documents tests.
// The main document driven by an automation client: its run grades the client's patterns as the
// document's input patterns, an exception during the run goes to the client and the batch, and
// the client's model stays the document's.
#include "MainDocumentFixture.h"

#include "app/documents/MvBatchProcess.h"
#include "app/documents/TrgPattern.h"
#include "app/documents/TestRectangle.h"
#include "app/documents/testing/ClientTestModel.h"
#include "app/documents/testing/FakeMainWindow.h"
#include "model/MorvaneException.h"

#include <gtest/gtest.h>
#include <memory>

using morvane::CountingClient;
using morvane::FakeMainWindow;

namespace {

/// A real main document with its main window connected, a table of three sizes and the client's
/// test rectangle.
class MorvaneDocAutomationTest : public testdocuments::MainDocumentFixture
{
protected:
    MorvaneDocAutomationTest()
    {
        m_doc.ConnectToFrame(&m_window);
        DocumentAutomation &automation = m_doc.GetAutomation();
        automation.AddMeasureTable(3, 1);
        automation.AddPattern("Rectangle");
        AddTestRectangle(*m_doc.GetClientModel().GetGeomPatternAt(0));
        automation.GetPatternAt(0).SetOutlineColor(0x0000FF);
        // The start routine's batch: a new mask would need the workspace's commands.
        automation.GetBatchProcess().AddOperation(BO_AUTO_PLACE_PATTERNS);
    }

    FakeMainWindow m_window{m_doc.GetAutomation()};
};

} // namespace

TEST_F(MorvaneDocAutomationTest, ARunMakesTheClientsPatternsTheDocumentsInputPatterns)
{
    int returns = 0;
    m_doc.GetAutomation().Run(std::make_unique<CountingClient>(returns));

    EXPECT_TRUE(m_doc.IsRunByClient());
    EXPECT_EQ(m_doc.GetGradeModelKind(), GMK_CLIENT_MODEL);
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), &m_doc.GetClientModel());
    IInputPatterns &inputs = *m_doc.GetInputPatterns();
    ASSERT_EQ(inputs.GetPatternCount(), 1);
    EXPECT_EQ(inputs.GetPatternAt(0)->GetOutlineColor(), 0x0000FFu);
    // The polyline object's notch queries reach the input polyline made from the client's.
    CGeomPolyline *clientLine = m_doc.GetClientModel().GetGeomPatternAt(0)->GetPatternPolylineAt(2);
    EXPECT_NE(inputs.GetPatternAt(0)->FindCurvePolyline(clientLine), nullptr);
    // The batch ran: with no active mask its only operation failed.
    int32_t position = 0;
    EXPECT_EQ(m_doc.GetAutomation().GetBatchProcess().GetLastError(position), BE_OPERATION_FAILED);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(returns, 0);
}

TEST_F(MorvaneDocAutomationTest, AnExceptionInARunGoesToTheBatchAndTheClientOnce)
{
    int returns = 0;
    m_doc.GetAutomation().Run(std::make_unique<CountingClient>(returns));
    const CMorvaneException critical(GM_BAD_STRUCTURE);

    EXPECT_EQ(m_doc.OnUnhandledException(&critical), 0);
    EXPECT_EQ(m_doc.OnUnhandledException(nullptr), 0);

    const CMvBatchProcess &batch = m_doc.GetAutomation().GetBatchProcess();
    int32_t position = 0;
    EXPECT_EQ(batch.GetLastError(position), BE_UNHANDLED_EXCEPTION);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(batch.GetErrorCount(), 3);
    EXPECT_EQ(returns, 1);
    const std::string message = "Unhandled exception!\nClose after client program finished!";
    EXPECT_EQ(m_prompt.problems, (std::vector<std::string>{message, message}));
    // The run goes on: drawing is not suspended and the client's model stays loaded.
    EXPECT_FALSE(m_doc.IsFailed());
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), &m_doc.GetClientModel());
}

TEST_F(MorvaneDocAutomationTest, TheClientsModelIsNeverReleasedByTheDocument)
{
    m_doc.GetAutomation().Run(nullptr);
    m_doc.ReleaseLoadedGradeModel();
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), nullptr);
    EXPECT_EQ(m_doc.GetAutomation().GetPatternCount(), 1);

    m_doc.GetAutomation().Run(nullptr);
    m_doc.GetAutomation().ClearPatterns();
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), nullptr);
    EXPECT_EQ(m_doc.GetInputPatterns()->GetPatternCount(), 0);
    EXPECT_EQ(m_doc.GetAutomation().GetPatternCount(), 0);
}
