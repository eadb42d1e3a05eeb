// Morvane program documents tests.
// The batch's records and order: operations and parameters as the client adds them, the run
// that stops at the first failure and still closes, the close operations, the last error.
#include "app/documents/MvBatchProcess.h"

#include "app/documents/IBatchOperationRunner.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

/// Runs nothing: lists the codes it is given and fails those it was told to, recording error 2
/// as an operation does.
class RecordingRunner : public IBatchOperationRunner
{
public:
    bool ExecuteOperation(CMvBatchProcess &batch, const CBatchOperation &operation) override
    {
        executed.push_back(operation.GetCode());
        if (failing.count(operation.GetCode()) == 0)
            return true;
        batch.AddError(&operation, BE_OPERATION_FAILED);
        return false;
    }

    std::set<int32_t> failing;
    std::vector<int32_t> executed;
};

class MvBatchProcessTest : public testing::Test
{
protected:
    MvBatchProcessTest() { m_batch.SetRunner(&m_runner); }

    void addOperations(const std::vector<int32_t> &codes)
    {
        for (const int32_t code : codes)
            m_batch.AddOperation(code);
    }

    CMvBatchProcess m_batch;
    RecordingRunner m_runner;
};

} // namespace

TEST_F(MvBatchProcessTest, OperationsAndParametersAreAddedWhereTheClientSays)
{
    EXPECT_TRUE(m_batch.IsEmpty());
    EXPECT_EQ(m_batch.AddOperation(2), 0);
    EXPECT_EQ(m_batch.AddOperation(-5), 1);
    EXPECT_FALSE(m_batch.IsEmpty());

    EXPECT_EQ(m_batch.AddOperationParam(0, 2, "GMT_AAMA"), 0);
    EXPECT_EQ(m_batch.AddOperationParam(0, 1, "style.dxf"), 1);
    EXPECT_EQ(m_batch.AddOperationParam(0, 1, "other.dxf"), 2);
    EXPECT_EQ(m_batch.SetOperationParam(1, 7, ""), 0);
    // A position that names no operation changes nothing.
    for (const int32_t position : {-1, 2, 1000}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(m_batch.AddOperationParam(position, 1, "lost"), -1);
    }
    EXPECT_EQ(m_batch.GetOperationCount(), 2);

    const CBatchOperation &first = *m_batch.GetOperationAt(0);
    EXPECT_EQ(first.GetParamCount(), 3);
    std::string text = "unchanged";
    EXPECT_TRUE(first.GetParam(1, text));
    EXPECT_EQ(text, "style.dxf");
    EXPECT_FALSE(first.GetParam(3, text));
    EXPECT_EQ(text, "style.dxf");
    EXPECT_EQ(m_batch.GetOperationAt(1)->GetCode(), -5);
    EXPECT_EQ(m_batch.GetOperationAt(2), nullptr);
}

TEST_F(MvBatchProcessTest, TheLastErrorNamesItsOperationOrNone)
{
    int32_t position = 7;
    EXPECT_EQ(m_batch.GetLastError(position), BE_NO_ERROR);
    EXPECT_EQ(position, -1);

    addOperations({3, 1});
    m_batch.AddError(m_batch.GetOperationAt(1), BE_MISSING_PARAMETER);
    EXPECT_EQ(m_batch.GetLastError(position), BE_MISSING_PARAMETER);
    EXPECT_EQ(position, 1);

    m_batch.AddError(nullptr, BE_UNHANDLED_EXCEPTION);
    EXPECT_EQ(m_batch.GetLastError(position), BE_UNHANDLED_EXCEPTION);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(m_batch.GetErrorCount(), 2);
}

TEST_F(MvBatchProcessTest, RunStopsAtTheFirstFailureAndThenRunsTheFirstExit)
{
    struct Case
    {
        const char *name;
        std::vector<int32_t> codes;
        std::set<int32_t> failing;
        std::vector<int32_t> executed;
        bool result;
        int32_t lastError;
        int32_t errorPosition;
    };
    const Case cases[] = {
        {"all succeed, contexts saved only at close", {1, 9, 6}, {}, {1, 6}, true, BE_NO_ERROR, -1},
        {"a failure skips the rest and closes",
         {7, 3, 4, 6, 6},
         {3},
         {7, 3, 6},
         true,
         BE_OPERATION_FAILED,
         1},
        {"an exit before the failure runs again",
         {6, 1},
         {1},
         {6, 1, 6},
         true,
         BE_OPERATION_FAILED,
         1},
        {"no exit to run", {2, 3, 4}, {3}, {2, 3}, false, BE_OPERATION_FAILED, 1},
        // An unknown code reaches no runner: the batch records its failure.
        {"unknown code", {1, 99, 5, 6}, {}, {1, 6}, true, BE_OPERATION_FAILED, 1},
        {"code 0", {0}, {}, {}, false, BE_OPERATION_FAILED, 0},
        {"empty", {}, {}, {}, true, BE_NO_ERROR, -1},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        CMvBatchProcess batch;
        RecordingRunner runner;
        runner.failing = row.failing;
        batch.SetRunner(&runner);
        for (const int32_t code : row.codes)
            batch.AddOperation(code);

        EXPECT_EQ(batch.Run(), row.result);
        EXPECT_EQ(runner.executed, row.executed);
        int32_t position = 0;
        EXPECT_EQ(batch.GetLastError(position), row.lastError);
        EXPECT_EQ(position, row.errorPosition);
    }
}

TEST_F(MvBatchProcessTest, CloseOperationsAllRunWhateverTheirResults)
{
    addOperations({9, 1, 9, 6, 9});
    m_runner.failing = {9};
    EXPECT_FALSE(m_batch.RunCloseOperations());
    EXPECT_EQ(m_runner.executed, (std::vector<int32_t>{9, 9, 9}));
    EXPECT_EQ(m_batch.GetErrorCount(), 3);
}

TEST_F(MvBatchProcessTest, ASecondRunExecutesTheSameOperationsAndErrorsAccumulate)
{
    addOperations({1, 2});
    m_runner.failing = {2};
    EXPECT_FALSE(m_batch.Run());
    EXPECT_FALSE(m_batch.Run());
    EXPECT_EQ(m_runner.executed, (std::vector<int32_t>{1, 2, 1, 2}));
    EXPECT_EQ(m_batch.GetErrorCount(), 2);
}

TEST(MvBatchProcessWithoutRunnerTest, EveryOperationFailsWithARecord)
{
    CMvBatchProcess batch;
    batch.AddOperation(BO_INSERT_NEW_MASK);
    EXPECT_FALSE(batch.Run());
    int32_t position = -1;
    EXPECT_EQ(batch.GetLastError(position), BE_OPERATION_FAILED);
    EXPECT_EQ(position, 0);
}

TEST_F(MvBatchProcessTest, AClientRunStartsWithItsMaskFileOrANewMaskWhenTheBatchIsEmpty)
{
    CMvBatchProcess withFile;
    withFile.AddStartOperation("front.msk");
    ASSERT_EQ(withFile.GetOperationCount(), 1);
    EXPECT_EQ(withFile.GetOperationAt(0)->GetCode(), BO_INSERT_MASK_FROM_FILE);
    std::string file;
    EXPECT_TRUE(withFile.GetOperationAt(0)->GetParam(1, file));
    EXPECT_EQ(file, "front.msk");

    CMvBatchProcess withoutFile;
    withoutFile.AddStartOperation("");
    ASSERT_EQ(withoutFile.GetOperationCount(), 1);
    EXPECT_EQ(withoutFile.GetOperationAt(0)->GetCode(), BO_INSERT_NEW_MASK);

    // A batch the client filled is run as it is.
    addOperations({BO_LOAD_TABLE_SET});
    m_batch.AddStartOperation("front.msk");
    EXPECT_EQ(m_batch.GetOperationCount(), 1);
}
