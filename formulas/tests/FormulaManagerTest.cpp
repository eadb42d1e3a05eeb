// Morvane formula library tests.
// The mask's formula manager: factories, order, checks, messages, history and the working list.
#include "TestFormulas.h"

#include "MaskFixtures.h"
#include "formulas/ValidationFormula.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>

using namespace testformulas;
using testmodel::maskPointAt;

namespace {

class FormulaManagerTest : public ::testing::Test
{
protected:
    FormulaManagerTest()
        : m_square(testmodel::placeSquare(m_mask, "Front"))
        , m_manager(m_mask.GetFormulas())
    {
    }

    CBasePoint *point(int i) const { return maskPointAt(*m_square, i); }

    /// A new formula on the mask, attached to point i, with its parameter 0.
    TestFormula *addPointFormula(int i, const std::string &text = "0")
    {
        auto *formula = static_cast<TestFormula *>(
            m_manager.AddFormula(m_manager.MakePointFormula(kPointType, nullptr, point(i))));
        formula->GetParam(0)->SetValue(text);
        return formula;
    }

    std::vector<const IBaseFormula *> formulas() const
    {
        std::vector<const IBaseFormula *> list;
        for (int i = 0; i < m_manager.GetFormulaCount(); ++i)
            list.push_back(m_manager.GetFormulaAt(i));
        return list;
    }

    TestKinds m_kinds;
    CGradeMask m_mask;
    CMaskPattern *m_square;
    CFormulaManager &m_manager;
};

std::vector<IBaseFormula *> itemsOf(const CPtrCollection<IBaseFormula> &list)
{
    return {list.begin(), list.end()};
}

} // namespace

TEST_F(FormulaManagerTest, CategoryFactoriesMakeOnlyTheirOwnTypes)
{
    std::unique_ptr<IBaseFormula> validation = m_manager.MakeGlobalFormula(18, nullptr);
    ASSERT_NE(validation, nullptr);
    EXPECT_NE(dynamic_cast<CValidationFormula *>(validation.get()), nullptr);
    EXPECT_EQ(validation->GetOwner(), &m_mask);

    EXPECT_EQ(m_manager.MakePointFormula(13, nullptr, point(0)), nullptr);
    EXPECT_EQ(m_manager.MakePointFormula(18, nullptr, point(0)), nullptr);
    EXPECT_EQ(m_manager.MakeRegionFormula(18, nullptr, nullptr), nullptr);
    EXPECT_EQ(m_manager.MakePatternFormula(18, nullptr, m_square), nullptr);
    EXPECT_EQ(m_manager.MakeGlobalFormula(99, nullptr), nullptr);

    std::unique_ptr<IBaseFormula> onPoint =
        m_manager.MakePointFormula(kPointType, nullptr, point(2));
    ASSERT_NE(onPoint, nullptr);
    EXPECT_EQ(onPoint->GetBasePoint(), point(2));
    EXPECT_EQ(onPoint->GetAttachKind(), FORMULA_ATTACH_POINT);
}

TEST_F(FormulaManagerTest, SortByDependencyPutsFormulasAfterWhatTheyNeed)
{
    TestFormula *b = addPointFormula(0);
    TestFormula *a = addPointFormula(1);
    a->SetReferenced(b);
    TestFormula *c = addPointFormula(2);
    TestFormula *d = addPointFormula(3);
    c->SetReferenced(d);
    d->SetReferenced(c);
    TestFormula *x = addPointFormula(0);
    TestFormula *y = addPointFormula(1);
    TestFormula *z = addPointFormula(2);
    x->SetReferenced(y);
    y->SetReferenced(z);
    TestFormula *afterCycle = addPointFormula(4);
    afterCycle->SetReferenced(c);

    struct SortCase
    {
        const char *name;
        std::vector<IBaseFormula *> input;
        std::vector<IBaseFormula *> sorted;
        std::vector<IBaseFormula *> cyclic;
    };
    const SortCase cases[] = {
        {"needed first stays", {b, a}, {b, a}, {}},
        {"needing first moves back", {a, b}, {b, a}, {}},
        {"a cycle keeps input order", {c, d}, {c, d}, {c, d}},
        {"the cycle is listed once", {d, c, b}, {b, d, c}, {d, c}},
        {"a chain comes out from its end", {x, y, z}, {z, y, x}, {}},
        {"a chain waits behind a later need", {x, a, y, b, z}, {b, a, z, y, x}, {}},
        {"what needs a cycle is taken with it", {afterCycle, c, d, b}, {b, afterCycle, c, d},
         {afterCycle, c, d}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        CPtrCollection<IBaseFormula> list;
        for (IBaseFormula *formula : row.input)
            list.Add(formula);
        CPtrCollection<IBaseFormula> cyclic;
        m_manager.SortByDependency(list, cyclic);
        EXPECT_EQ(itemsOf(list), row.sorted);
        EXPECT_EQ(itemsOf(cyclic), row.cyclic);
    }
}

TEST_F(FormulaManagerTest, ChecksAddMessage100OnlyForAFormulaThatSaidNothing)
{
    TestFormula *silent = addPointFormula(0);
    silent->SetFailsSilently(true);
    TestFormula *missing = addPointFormula(1);
    missing->SetRequired(2);
    TestFormula *fine = addPointFormula(2);

    m_manager.CheckAllFormulas();

    CFormulaMessageList *messages = m_manager.GetMessages();
    ASSERT_EQ(messages->GetCount(), 2);
    EXPECT_EQ(messages->GetAt(0)->GetCode(), FM_CHECK_FAILED);
    EXPECT_EQ(messages->GetAt(0)->GetFormula(), silent);
    EXPECT_EQ(messages->GetAt(0)->GetText(), "");
    EXPECT_EQ(messages->GetAt(1)->GetCode(), FM_POINT_NOT_NUMBERED);
    EXPECT_EQ(messages->GetAt(1)->GetText(), "#1,#2");
    EXPECT_EQ(messages->Find(FM_CHECK_FAILED, missing), -1);
    EXPECT_EQ(messages->Find(FM_CHECK_FAILED, fine), -1);

    m_manager.CheckAllFormulas();
    EXPECT_EQ(messages->GetCount(), 2);
}

TEST_F(FormulaManagerTest, MessagesOfOneCodeAndFormulaShareARecord)
{
    TestFormula *formula = addPointFormula(0);
    CFormulaMessageList *messages = m_manager.GetMessages();

    EXPECT_EQ(messages->AddFormulaMessage(FM_INDEX_POINT_MISSING, formula, "#1"), 0);
    EXPECT_EQ(messages->AddFormulaMessage(FM_INDEX_POINT_MISSING, formula, "#3"), 0);
    EXPECT_EQ(messages->AddFormulaMessage(FM_INDEX_POINT_MISSING, formula, ""), 1);
    EXPECT_EQ(messages->AddFormulaMessage(FM_FAULTY_PARAMETER, formula, "x"), 2);

    EXPECT_EQ(messages->GetAt(0)->GetText(), "#1,#3");
    EXPECT_EQ(messages->GetAt(0)->GetTextCount(), 2);
    messages->RemoveMessagesOf(formula);
    EXPECT_EQ(messages->GetCount(), 0);
}

TEST_F(FormulaManagerTest, RecordsAreFoundAgainAfterTheirFormulaLostThem)
{
    TestFormula *first = addPointFormula(0);
    TestFormula *second = addPointFormula(1);
    CFormulaMessageList *messages = m_manager.GetMessages();
    messages->AddFormulaMessage(FM_INDEX_POINT_MISSING, first, "#1");
    messages->AddFormulaMessage(FM_FAULTY_PARAMETER, second, "x");
    EXPECT_EQ(messages->Find(FM_FAULTY_PARAMETER, first), -1);

    messages->RemoveMessagesOf(first);
    EXPECT_EQ(messages->Find(FM_INDEX_POINT_MISSING, first), -1);
    EXPECT_EQ(messages->Find(FM_FAULTY_PARAMETER, second), 0);
    EXPECT_EQ(messages->AddFormulaMessage(FM_INDEX_POINT_MISSING, first, "#2"), 1);
    EXPECT_EQ(messages->Find(FM_INDEX_POINT_MISSING, first), 1);

    messages->Clear();
    EXPECT_EQ(messages->Find(FM_FAULTY_PARAMETER, second), -1);
    EXPECT_EQ(messages->AddFormulaMessage(FM_FAULTY_PARAMETER, second, "y"), 0);
    EXPECT_EQ(messages->Find(FM_FAULTY_PARAMETER, second), 0);
}

TEST_F(FormulaManagerTest, RankCountsTheFormulasOfTheSameTarget)
{
    TestFormula *first = addPointFormula(0);
    addPointFormula(1);
    TestFormula *second = addPointFormula(0);
    int rank = 0;
    int total = 0;

    EXPECT_EQ(m_manager.GetFormulaRank(second, rank, total), 2);
    EXPECT_EQ(rank, 1);
    EXPECT_EQ(total, 1);
    EXPECT_EQ(m_manager.GetFormulaRank(first, rank, total), 0);
    EXPECT_EQ(rank, 0);

    TestFormula absent;
    EXPECT_EQ(m_manager.GetFormulaRank(&absent, rank, total), -1);
    EXPECT_EQ(rank, -1);
    EXPECT_EQ(total, -1);
}

TEST_F(FormulaManagerTest, InsertRemoveAndMoveAreUndoneAndRedone)
{
    CHistory &history = *m_mask.GetHistory();
    history.Clear();
    TestFormula *a = addPointFormula(0);
    TestFormula *b = addPointFormula(1);
    TestFormula *c = addPointFormula(2);
    m_manager.GetMessages()->AddFormulaMessage(FM_FAULTY_PARAMETER, b, "x");

    m_manager.RemoveFormulaAt(1);
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{a, c}));
    EXPECT_EQ(m_manager.GetMessages()->GetCount(), 0);

    history.Undo();
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{a, b, c}));
    EXPECT_EQ(m_manager.GetMessages()->GetCount(), 0);
    history.Redo();
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{a, c}));
    history.Undo();

    m_manager.MoveFormula(0, 2);
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{b, c, a}));
    history.Undo();
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{a, b, c}));
    history.Redo();
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{b, c, a}));

    for (int i = 0; i < 5; ++i)
        history.Undo();
    EXPECT_EQ(m_manager.GetFormulaCount(), 0);
    history.Redo();
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{a}));
}

TEST_F(FormulaManagerTest, RecordedStateUndoesAChangeOfTheFormula)
{
    auto *validation = static_cast<CValidationFormula *>(
        m_manager.AddFormula(m_manager.MakeGlobalFormula(18, nullptr)));

    m_manager.RecordFormulaState(validation);
    validation->SetRange(2.5, 4.0);
    validation->GetParam(0)->SetValue("after");

    m_mask.GetHistory()->Undo();
    EXPECT_EQ(validation->GetRangeNegative(), 10.0);
    EXPECT_EQ(validation->GetParamText(0), "0");
    m_mask.GetHistory()->Redo();
    EXPECT_EQ(validation->GetRangePositive(), 4.0);
    EXPECT_EQ(validation->GetParamText(0), "after");
}

TEST_F(FormulaManagerTest, RemovingAPatternTakesItsFormulasAlongInOneUndoStep)
{
    CMaskPattern *back = testmodel::placeSquare(m_mask, "Back");
    TestFormula *front = addPointFormula(0);
    auto *onBack = static_cast<TestFormula *>(m_manager.AddFormula(
        m_manager.MakePointFormula(kPointType, nullptr, maskPointAt(*back, 0))));
    auto *ofBack = m_manager.AddFormula(m_manager.MakePatternFormula(kDartType, nullptr, back));

    m_mask.RemovePatternAt(1);
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{front}));

    m_mask.GetHistory()->Undo();
    EXPECT_EQ(m_mask.GetPatternCount(), 2);
    EXPECT_EQ(formulas(), (std::vector<const IBaseFormula *>{front, onBack, ofBack}));
}

TEST_F(FormulaManagerTest, EvaluationOrderLeadsWithDartsAndOwnsTheRuntimeCopies)
{
    TestFormula *point0 = addPointFormula(0);
    point0->SetContributesCopy(true);
    IBaseFormula *dart =
        m_manager.AddFormula(m_manager.MakePatternFormula(kDartType, nullptr, m_square));
    TestFormula *point1 = addPointFormula(1);

    CPtrCollection<IBaseFormula> order;
    m_manager.GetEvaluationOrder(order);

    ASSERT_EQ(order.GetCount(), 4);
    EXPECT_EQ(order.GetAt(0), dart);
    EXPECT_EQ(order.GetAt(1), point0);
    EXPECT_NE(order.GetAt(2), point0);
    EXPECT_EQ(order.GetAt(2)->GetBasePoint(), point(0));
    EXPECT_EQ(order.GetAt(3), point1);
    EXPECT_EQ(itemsOf(m_manager.GetFormulas()), itemsOf(order));

    // The copies of the previous run are freed when the list is rebuilt (LeakSanitizer).
    CPtrCollection<IBaseFormula> again;
    m_manager.GetEvaluationOrder(again);
    EXPECT_EQ(again.GetCount(), 4);
}

TEST_F(FormulaManagerTest, UniqueNamesAvoidEveryFormulaName)
{
    auto *measure = static_cast<TestMeasure *>(
        m_manager.AddFormula(m_manager.MakeGlobalFormula(kMeasureType, nullptr)));
    EXPECT_EQ(m_manager.MakeUniqueName("m"), "m1");
    measure->SetVarName("M1");
    EXPECT_EQ(m_manager.MakeUniqueName("m"), "m2");
    EXPECT_EQ(m_manager.FindFormulaByName("m1"), measure);
    EXPECT_EQ(m_manager.FindFormulaByName("m2"), nullptr);
    std::vector<std::string> names;
    m_manager.CollectNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"m1"}));
}
