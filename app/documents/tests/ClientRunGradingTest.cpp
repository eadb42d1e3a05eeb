// Morvane program documents tests.
// A client's run graded on the real main document: the client names its sizes and measurement,
// builds its pattern, scripts [place, associate and grade] and reads the graded rules back.
#include "MainDocumentFixture.h"

#include "app/documents/MvBatchProcess.h"
#include "app/documents/TrgMeasureTable.h"
#include "app/documents/TrgPattern.h"
#include "app/documents/testing/ClientTestModel.h"
#include "app/documents/testing/FakeMainWindow.h"
#include "app/grading/IGradingInterface.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "model/InputPoint.h"
#include "model/MaskPattern.h"

#include <gtest/gtest.h>
#include <memory>

using morvane::CountingClient;
using morvane::FakeMainWindow;
using morvane::test::ScriptedMaskTaskManager;

namespace {

/// "RecalculateGrading" as the grading commands will carry it out: the document's grading
/// applies the mask's formulas.
class RecalculateGrading : public CBaseCommand
{
public:
    explicit RecalculateGrading(IDocumentServices &document) : m_document(document)
    {
        Create("RecalculateGrading");
        SetAddToHistory(false);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<RecalculateGrading>(*this);
    }
    bool OnExecute(void *) override { return m_document.GetGradingInterface()->ApplyGradeRules(); }

private:
    IDocumentServices &m_document;
};

class ClientRunGradingTest : public testdocuments::MainDocumentFixture
{
protected:
    ClientRunGradingTest()
    {
        m_doc.GetMaskDocs()->SetTaskManagerFactory([this] {
            auto manager = std::make_unique<ScriptedMaskTaskManager>(&m_log);
            manager->command(std::make_unique<RecalculateGrading>(m_doc));
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

    /// A mask made from the client's pattern as it is input, its points tied to the input's, with
    /// increments on the mask points of the rectangle's points 1 and 2, active.
    void addMaskWithIncrements()
    {
        CGradeMaskDoc *mask = addMask();
        CGradeMask &gradeMask = placeStyleOn(*mask);
        mask->GetTaskManager()->DispatchEvent("OnActivate", nullptr);
        auto *pattern = static_cast<CMaskPattern *>(gradeMask.GetPatternAt(0));
        CFormulaManager &formulas = gradeMask.GetFormulas();
        testgrading::addIncrement(formulas, maskPointOf(*pattern, 1), "CHEST/4", "0");
        testgrading::addIncrement(formulas, maskPointOf(*pattern, 2), "0", "CHEST/8");
    }

    /// The mask pattern's point made from the client's point i.
    CBasePoint *maskPointOf(CMaskPattern &pattern, int i)
    {
        CInputPattern &input = *m_doc.GetInputPatterns()->GetPatternAt(0);
        const int index = input.FindInputPoint(m_doc.GetClientModel().GetGeomPatternAt(0)->GetBasePointAt(i));
        const CBasePoint &point = *input.GetInputPointAt(index)->GetBasePoint();
        const int found =
            pattern.FindBasePoint({point.GetX(), point.GetY()}, 1e-9, GRADE_POINT_GRADE);
        EXPECT_GE(found, 0) << i;
        return pattern.GetBasePointAt(found);
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
    morvane::addTestRectangle(*m_doc.GetClientModel().GetGeomPatternAt(0));
    CMvBatchProcess &batch = automation.GetBatchProcess();
    batch.AddOperation(BO_AUTO_PLACE_PATTERNS);
    batch.AddOperation(BO_ASSOCIATE_POINTS);
    // When the window shows, the client's pattern is input: a mask made from it waits, active.
    m_window.onShow = [this] {
        m_doc.ConnectToFrame(&m_window);
        addMaskWithIncrements();
    };

    int returns = 0;
    automation.Run(std::make_unique<CountingClient>(returns));

    int32_t position = 0;
    EXPECT_EQ(batch.GetLastError(position), BE_NO_ERROR);
    EXPECT_TRUE(m_prompt.questions.empty()) << m_prompt.questions.front();
    automation.GetPatternAt(0);
    // Point 1 (450, 0) moves by CHEST/4 and point 2 (350, 50) by CHEST/8, CHEST counted from
    // the base size: -8, 0, 8.
    const struct {
        int point;
        int size;
        DPOINT rule;
    } rows[] = {
        {1, 0, {-2, 0}}, {1, 1, {0, 0}}, {1, 2, {2, 0}},
        {2, 0, {0, -1}}, {2, 1, {0, 0}}, {2, 2, {0, 1}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.point) + " in size " + std::to_string(row.size));
        const DPOINT rule = ruleValue(row.point, row.size);
        EXPECT_NEAR(rule.x, row.rule.x, 1e-9);
        EXPECT_NEAR(rule.y, row.rule.y, 1e-9);
    }
    EXPECT_EQ(automation.GetIMeasureTableAt(0).GetGradeSizeName(0), "38<S>");
    EXPECT_EQ(returns, 0);
}
