// Morvane program documents tests.
// The main document's automation face: a client's run, its client told once, the reusable
// objects, the tables a client adds and clears, and indexes that name nothing.
#include "ExpectThrowMessage.h"
#include "app/documents/AutomationError.h"
#include "app/documents/DocumentAutomation.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/IBatchOperationRunner.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/TableSetFactory.h"
#include "sources/client-model/ClientGradeModel.h"
#include "sources/client-model/GradeRuleData.h"
#include "app/documents/testing/FakeDocumentServices.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/documents/testing/ClientTestModel.h"
#include "app/documents/testing/FakeMainWindow.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using morvane::AutomationError;
using morvane::CountingClient;
using morvane::FakeGradingEvents;
using morvane::FakeMainWindow;

namespace {

/// Document services that keep the grade model they are given, and log, with the grading
/// events and the main window, what a run does in order.
class RunLog : public morvane::FakeDocumentServices
{
public:
    void SetGradeModel(IGradeModel *model, int kind) override
    {
        FakeDocumentServices::SetGradeModel(model, kind);
        gradeModel = model;
        auto *client = dynamic_cast<CClientGradeModel *>(model);
        // The rule tables follow the attached grade data: one table when attached to the set.
        if (client != nullptr && client->BeginGrading() == GM_NO_ERROR)
            entries.push_back("SetGradeModel " + std::to_string(kind) + " with " +
                              std::to_string(client->GetGradeRuleData()->GetGradeRuleTableCount()) +
                              " rule table");
        else
            entries.push_back("SetGradeModel " + std::to_string(kind));
    }

    std::vector<std::string> entries;
};

class LoggingGradingEvents : public FakeGradingEvents
{
public:
    explicit LoggingGradingEvents(std::vector<std::string> &entries) : m_entries(entries) {}
    void OnBeginGrading() override { m_entries.push_back("OnBeginGrading"); }

private:
    std::vector<std::string> &m_entries;
};

/// Carries out BO_EXIT as the document does, and fails every other operation with error 2.
class ExitOnlyRunner : public IBatchOperationRunner
{
public:
    explicit ExitOnlyRunner(IDocumentAutomation &document) : m_document(document) {}
    bool ExecuteOperation(CMvBatchProcess &batch, const CBatchOperation &operation) override
    {
        if (operation.GetCode() == BO_EXIT) {
            m_document.Exit();
            return true;
        }
        batch.AddError(&operation, BE_OPERATION_FAILED);
        return false;
    }

private:
    IDocumentAutomation &m_document;
};

/// A document of one table set holding one table (sizes S, M, L), its automation face and a
/// main window without a window.
class DocumentAutomationTest : public testing::Test
{
protected:
    DocumentAutomationTest()
    {
        IMeasureTable &table = *m_set->GetTableAt(m_set->InsertTable(0, 1, "Women", -1));
        table.InsertSizesAt({"S", "M", "L"}, 0, -1, 1);
        m_document.tableSet = m_set.get();
        m_automation.SetMainWindow(&m_window);
        m_automation.GetBatchProcess().SetRunner(&m_runner);
    }

    std::unique_ptr<IMorvaneClient> client(int &returns)
    {
        return std::make_unique<CountingClient>(returns);
    }

    CEventHandler *m_setHandler = nullptr;
    std::unique_ptr<IBrismond> m_set = CTableSetFactory::Make("set", m_setHandler);
    RunLog m_document;
    LoggingGradingEvents m_grading{m_document.entries};
    CClientGradeModel m_model;
    DocumentAutomation m_automation{m_document, m_grading, m_model};
    FakeMainWindow m_window{m_automation};
    ExitOnlyRunner m_runner{m_automation};
};

} // namespace

TEST_F(DocumentAutomationTest, RunGradesTheClientsModelThenShowsTheWindowWhichRunsTheBatch)
{
    m_automation.AddPattern("Front");
    m_automation.GetBatchProcess().AddOperation(BO_EXIT);
    int returns = 0;

    m_automation.Run(client(returns));

    EXPECT_TRUE(m_automation.IsRunByClient());
    const std::vector<std::string> expected = {"SetGradeModel 5 with 1 rule table",
                                               "OnBeginGrading"};
    EXPECT_EQ(m_document.entries, expected);
    EXPECT_EQ(m_document.gradeModel, &m_model);
    const std::vector<std::string> windowCalls = {"ShowForClient", "InitSession 0 ''"};
    EXPECT_EQ(m_window.calls, windowCalls);
    // The batch was not empty: no start operation was added, and its exit posted a close.
    EXPECT_EQ(m_automation.GetBatchProcess().GetOperationCount(), 1);
    EXPECT_EQ(m_window.closesPosted, 1);
    EXPECT_EQ(returns, 0);
    m_window.ProcessPostedCloses();
    EXPECT_EQ(returns, 1);
}

TEST_F(DocumentAutomationTest, TheClientIsToldOnceHoweverItsRunEnds)
{
    int first = 0;
    int second = 0;
    m_automation.Run(client(first));
    // A second run lets the first client go, telling it, before it keeps the second.
    m_automation.Run(client(second));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);

    m_automation.ReleaseClient();
    m_automation.ReleaseClient();
    EXPECT_EQ(second, 1);

    // A run without a client makes no callback at its end.
    m_automation.Run(nullptr);
    m_automation.ReleaseClient();
    EXPECT_EQ(first + second, 2);
}

TEST_F(DocumentAutomationTest, AnExceptionInARunRecordsErrorFourAndTellsTheClientOnce)
{
    int returns = 0;
    m_automation.SetMainWindow(nullptr);
    m_automation.Run(client(returns));
    int32_t position = 0;
    ASSERT_EQ(m_automation.GetBatchProcess().GetLastError(position), BE_NO_ERROR);

    m_automation.OnRunException();
    EXPECT_EQ(m_automation.GetBatchProcess().GetLastError(position), BE_UNHANDLED_EXCEPTION);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(returns, 1);

    m_automation.OnRunException();
    EXPECT_EQ(m_automation.GetBatchProcess().GetErrorCount(), 2);
    EXPECT_EQ(returns, 1);
}

TEST_F(DocumentAutomationTest, ExitAsksTheWindowToCloseEvenBeforeARunAndTheWindowClosesOnce)
{
    m_automation.Exit();
    EXPECT_EQ(m_window.closesPosted, 1);

    // [6, 1] where 1 fails: the batch posts the close twice, the window closes once.
    int returns = 0;
    CMvBatchProcess &batch = m_automation.GetBatchProcess();
    batch.AddOperation(BO_EXIT);
    batch.AddOperation(BO_INSERT_MASK_FROM_FILE);
    m_automation.Run(client(returns));
    m_window.ProcessPostedCloses();
    EXPECT_EQ(m_window.closesPosted, 3);
    EXPECT_EQ(m_window.closes, 1);
    EXPECT_EQ(returns, 1);

    DocumentAutomation withoutWindow(m_document, m_grading, m_model);
    withoutWindow.Exit();
}

TEST_F(DocumentAutomationTest, TheTableAndPatternObjectsAreReusedAndAimedAtTheLastAsked)
{
    ASSERT_EQ(m_automation.AddMeasureTable(2, 1), 1);
    CTrgMeasureTable &first = m_automation.GetIMeasureTableAt(0);
    CTrgMeasureTable &second = m_automation.GetIMeasureTableAt(1);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.GetGradeSizeCount(), 2);

    m_automation.AddPattern("Front");
    m_automation.AddPattern("Back");
    CTrgPattern &front = m_automation.GetPatternAt(0);
    front.AddBasePoint(0, 0, 1);
    CTrgPattern &back = m_automation.GetPatternAt(1);
    EXPECT_EQ(&front, &back);
    EXPECT_EQ(back.GetBasePointCount(), 0);
    EXPECT_EQ(m_automation.GetPatternCount(), 2);
}

TEST_F(DocumentAutomationTest, AddedTablesHaveTheirSizesAndMeasurementsUnderTheProposedName)
{
    const int32_t index = m_automation.AddMeasureTable(3, 2);
    ASSERT_EQ(m_automation.GetMeasureTableCount(), 2);
    const IMeasureTable &table = *m_set->GetTableAt(index);
    EXPECT_EQ(table.GetName(), "Table 2");
    EXPECT_EQ(table.GetSizeCount(), 3);
    EXPECT_EQ(table.GetBaseSizeIndex(), 0);
    EXPECT_EQ(table.GetMeasurementCount(), 2);

    // An empty table is a table too.
    EXPECT_EQ(m_automation.AddMeasureTable(0, 0), 2);

    m_automation.ClearMeasureTables();
    EXPECT_EQ(m_automation.GetMeasureTableCount(), 0);
}

TEST_F(DocumentAutomationTest, ArgumentsThatNameNothingAreRefusedAndChangeNothing)
{
    m_automation.AddPattern("Front");
    struct Row {
        const char *name;
        std::function<void()> call;
        const char *message;
    };
    const Row rows[] = {
        {"table -1", [&] { m_automation.GetIMeasureTableAt(-1); },
         "GetIMeasureTableAt: measurement table -1 is out of range (0 to 0)"},
        {"table 1", [&] { m_automation.GetIMeasureTableAt(1); }, "measurement table 1"},
        {"pattern 1", [&] { m_automation.GetPatternAt(1); },
         "GetPatternAt: pattern 1 is out of range (0 to 0)"},
        {"pattern min", [&] { m_automation.GetPatternAt(INT32_MIN); }, "pattern -2147483648"},
        {"negative sizes", [&] { m_automation.AddMeasureTable(-1, 0); },
         "AddMeasureTable: -1 sizes"},
        {"too many measurements",
         [&] { m_automation.AddMeasureTable(1, DocumentAutomation::kMaxTableMeasurements + 1); },
         "measurements: a table has 0 to"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_THROW_MSG(row.call(), AutomationError, row.message);
    }
    EXPECT_EQ(m_automation.GetMeasureTableCount(), 1);
    EXPECT_EQ(m_automation.GetPatternCount(), 1);

    // Without a table set the table calls are refused too.
    m_document.tableSet = nullptr;
    EXPECT_THROW_MSG(m_automation.GetMeasureTableCount(), AutomationError,
                     "no measurement table set");
}

TEST_F(DocumentAutomationTest, ClearingPatternsLetsTheDocumentGoOfTheClientsModelFirst)
{
    m_automation.AddPattern("Front");
    m_automation.Run(nullptr);
    ASSERT_EQ(m_document.gradeModel, &m_model);

    m_automation.ClearPatterns();
    EXPECT_EQ(m_document.gradeModel, nullptr);
    EXPECT_EQ(m_document.GetGradeModelKind(), GMK_NONE);
    EXPECT_EQ(m_automation.GetPatternCount(), 0);
    // The pattern object aimed before refuses every call now.
    EXPECT_THROW(m_automation.GetPatternObject().GetBasePointCount(), AutomationError);
}

TEST_F(DocumentAutomationTest, TheModelNameAndMaskFileAreKeptAsGiven)
{
    m_automation.SetModelName("Shirt");
    std::string name;
    m_model.GetName(name);
    EXPECT_EQ(name, "Shirt");
    m_automation.SetMaskFile("/styles/shirt.msk");
    EXPECT_EQ(m_automation.GetMaskFile(), "/styles/shirt.msk");
}
