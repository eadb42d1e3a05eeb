// Morvane program documents tests.
// A client's run graded on the real main document: the client names its sizes and measurement,
// builds its pattern, scripts [place, associate and grade] and reads the graded rules back.
#include "MainDocumentFixture.h"

#include "app/documents/MvBatchProcess.h"
#include "app/documents/TrgMeasureTable.h"
#include "app/documents/TrgPattern.h"
#include "app/documents/testing/ClientRunMask.h"
#include "app/documents/TestRectangle.h"
#include "app/documents/testing/ClientTestModel.h"
#include "app/documents/testing/FakeMainWindow.h"
#include "app/taskdefs/testing/MaskTaskTesting.h"

#include <gtest/gtest.h>
#include <memory>

using morvane::CountingClient;
using morvane::FakeMainWindow;
using morvane::test::ScriptedMaskTaskManager;

namespace {

class ClientRunGradingTest : public testdocuments::MainDocumentFixture
{
protected:
    ClientRunGradingTest()
    {
        m_doc.GetMaskDocs()->SetTaskManagerFactory([this] {
            auto manager = std::make_unique<ScriptedMaskTaskManager>(&m_log);
            manager->command(std::make_unique<morvane::RecalculateGradingStandIn>(m_doc));
            return manager;
        });
        m_doc.SetMainWindow(&m_window);
    }

    /// The sizes 38<S>, 40<M> (the base size) and 42<L>, and the measurement CHEST: 92, 100, 108.
    void addClientTable()
    {
        DocumentAutomation &automation = m_doc.GetAutomation();
        CTrgMeasureTable &table = automation.GetIMeasureTableAt(automation.AddMeasureTable(3, 1));
        const char *names[] = {"38<S>", "40<M>", "42<L>"};
        for (int size = 0; size < 3; ++size)
            table.SetGradeSizeName(size, names[size]);
        table.SetOriginalGradeSize(1);
        CTrgMeasurement &chest = table.GetIMeasurementAt(0);
        chest.SetName("chest");
        for (int size = 0; size < 3; ++size)
            chest.SetMeasureSizeValueAt(size, 92.0 + 8.0 * size, false);
    }

    DPOINT ruleValue(int point, int size)
    {
        DPOINT value;
        m_doc.GetAutomation().GetPatternObject().GetPointRuleValue(point, 0, size, value.x,
                                                                   value.y);
        return value;
    }

    morvane::test::EventLog m_log;
    FakeMainWindow m_window{m_doc.GetAutomation()};
};

} // namespace

TEST_F(ClientRunGradingTest, AClientReadsBackTheRulesThatItsBatchGraded)
{
    DocumentAutomation &automation = m_doc.GetAutomation();
    addClientTable();
    automation.AddPattern("Rectangle");
    AddTestRectangle(*m_doc.GetClientModel().GetGeomPatternAt(0));
    CMvBatchProcess &batch = automation.GetBatchProcess();
    batch.AddOperation(BO_AUTO_PLACE_PATTERNS);
    batch.AddOperation(BO_ASSOCIATE_POINTS);
    // When the window shows, the client's pattern is input: a mask made from it waits, active.
    m_window.onShow = [this] {
        m_doc.ConnectToFrame(&m_window);
        morvane::addClientMaskWithIncrements(m_doc);
    };

    int returns = 0;
    automation.Run(std::make_unique<CountingClient>(returns));

    int32_t position = 0;
    EXPECT_EQ(batch.GetLastError(position), BE_NO_ERROR);
    EXPECT_TRUE(m_prompt.questions.empty()) << m_prompt.questions.front();
    automation.GetPatternAt(0);
    // CHEST differs from the base size by -8, 0 and 8.
    for (int point = 0; point < 8; ++point)
        for (int size = 0; size < 3; ++size) {
            SCOPED_TRACE(std::to_string(point) + " in size " + std::to_string(size));
            const DPOINT rule = ruleValue(point, size);
            const DPOINT expected = morvane::rectangleRule(point, 8.0 * (size - 1));
            EXPECT_NEAR(rule.x, expected.x, 1e-9);
            EXPECT_NEAR(rule.y, expected.y, 1e-9);
        }
    EXPECT_EQ(automation.GetIMeasureTableAt(0).GetGradeSizeName(0), "38<S>");
    EXPECT_EQ(returns, 0);
}
