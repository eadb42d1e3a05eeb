// Morvane program grading tests.
// The formula evaluator: names declared from the mask and the document, values shown in display
// units, typed values converted to millimetres, and formula kinds named.
#include "app/grading/FormulaEvaluator.h"

#include "app/documents/testing/FakeDocumentServices.h"
#include "app/grading/FormulaEvaluatorHost.h"
#include "foundation/PtrCollection.h"
#include "model/AssociationMap.h"
#include "model/GradeMask.h"

#include "ScopedLocale.h"
#include "TestFormulas.h"

#include <gtest/gtest.h>

using namespace testformulas;

namespace {

using Names = std::vector<std::string>;

/// A grade-mask document showing lengths in centimetres with one decimal.
class FakeMaskDocument : public IFormulaEvaluatorHost
{
public:
    IGradeMask *GetGradeMask() override { return &mask; }
    bool GetViewFlag() override { return viewFlag; }
    double ConvertToDisplayUnits(double millimetres, int &decimals) override
    {
        decimals = 1;
        return millimetres / 10;
    }

    CGradeMask mask;
    bool viewFlag = true;
};

class FormulaEvaluatorTest : public ::testing::Test
{
protected:
    FormulaEvaluatorTest()
    {
        m_document.mask.GetAssociationMap()->Add("waist", "800", "Waist girth");
        m_document.mask.GetAssociationMap()->Add("Hip", "950", "Hip girth");
        addMeasure("front");
        m_services.nameSources = {&m_tableNames};
        m_evaluator.SetOwner(&m_services, &m_document);
        m_document.mask.SetUserFormulaConfig(&m_evaluator);
    }

    TestMeasure *addMeasure(const std::string &name)
    {
        CFormulaManager &manager = m_document.mask.GetFormulas();
        auto *measure = static_cast<TestMeasure *>(
            manager.AddFormula(manager.MakeGlobalFormula(kMeasureType, nullptr)));
        measure->SetVarName(name);
        return measure;
    }

    const TestKinds m_kinds;
    FakeMaskDocument m_document;
    morvane::FakeDocumentServices m_services;
    morvane::FakeNameSource m_tableNames{{"Neck", "Chest"}};
    CFormulaEvaluator m_evaluator;
};

TEST_F(FormulaEvaluatorTest, DeclaresAssociationsOrNameSourcesThenValidMeasures)
{
    CPtrCollection<IBaseFormula> list;
    m_document.mask.GetFormulas().CopyFormulas(list);
    m_evaluator.FillNames(true, list);
    EXPECT_EQ(m_evaluator.GetParserNames(), (Names{"WAIST", "HIP", "front"}));
    EXPECT_EQ(m_evaluator.GetValueNames(), (Names{"800", "950", "front"}));

    m_evaluator.ClearNames();
    m_evaluator.FillNames(false, list);
    EXPECT_EQ(m_evaluator.GetParserNames(), (Names{"Neck", "Chest", "front"}));
    EXPECT_TRUE(m_evaluator.GetValueNames().empty());
}

TEST_F(FormulaEvaluatorTest, ShowsValuesInDisplayUnitsWithTheAssociationTexts)
{
    EXPECT_EQ(m_evaluator.GetExpressionValue("waist/4", true, true), "20.0");
    EXPECT_EQ(m_evaluator.GetExpressionValue("(hip-waist)/2+5", true, true), "8.0");
    EXPECT_EQ(m_evaluator.GetExpressionValue("waist/4", true, false), "200");
    m_document.viewFlag = false;
    EXPECT_EQ(m_evaluator.GetExpressionValue("waist/4", true, true), "waist/4");
    EXPECT_EQ(m_evaluator.GetExpressionValue("25", true, true), "2.5");
}

TEST_F(FormulaEvaluatorTest, KeepsTextsThatAreNotForDisplayOrHaveNoValue)
{
    EXPECT_EQ(m_evaluator.GetExpressionValue("waist/4+20", false, true), "waist/4+20");
    EXPECT_EQ(m_evaluator.GetExpressionValue("front*2", true, true), "front*2");
    EXPECT_EQ(m_evaluator.GetExpressionValue("neck*2", true, true), "neck*2");
    EXPECT_EQ(m_evaluator.GetExpressionValue("a+(b", true, true), "a+(b");
}

struct ConvertCase
{
    const char *typed;
    bool accepted;
    const char *stored;
};

TEST_F(FormulaEvaluatorTest, ConvertsTypedValuesToMillimetres)
{
    const ConvertCase cases[] = {
        {"2.5", true, "25"},
        {"neck/4+2", true, "neck/4+20"},
        {"-0.5*Chest", true, "-0.5*Chest"},
        {"(2,1.5)", true, "(20,15)"},
        {"%INC(0.3)", true, "%INC(3)"},
        {"front + 1", true, "front + 10"},
        {"waist/4", false, "waist/4"},
        {"2,5", false, "2,5"},
        {"1+", false, "1+"},
    };
    for (const bool german : {false, true}) {
        const ScopedLocale locale(german ? "de_DE.UTF-8" : "C");
        for (const auto &row : cases) {
            SCOPED_TRACE(row.typed);
            std::string stored;
            EXPECT_EQ(m_evaluator.ConvertUserValue(row.typed, true, stored), row.accepted);
            EXPECT_EQ(stored, row.stored);
        }
    }
    std::string stored;
    EXPECT_TRUE(m_evaluator.ConvertUserValue("2.5", false, stored));
    EXPECT_EQ(stored, "2.5");
}

TEST_F(FormulaEvaluatorTest, AFormulaParameterGoesThroughTheEvaluator)
{
    TestMeasure *measure = addMeasure("back");
    ASSERT_TRUE(measure->SetParamText(0, "1.5"));
    EXPECT_EQ(measure->GetParamText(0), "15");
    EXPECT_FALSE(measure->SetParamText(0, "nowhere*2"));
    EXPECT_EQ(measure->GetParamText(0), "15");
}

struct NameCase
{
    int type;
    bool regionOwned;
    const char *name;
};

TEST_F(FormulaEvaluatorTest, NamesEachFormulaKind)
{
    const NameCase cases[] = {
        {2, false, "Path"},           {3, false, "Dart"},           {26, false, "Dart"},
        {9, false, "Rotation"},       {12, false, "Interpolation"}, {18, false, "Validation"},
        {28, false, "Relative distance"}, {32, false, "Proportional distance"},
        {5, false, ""},               {6, false, ""},               {13, false, ""},
        {14, false, ""},              {17, false, ""},              {33, false, ""},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.type);
        TestFormula formula;
        formula.SetType(row.type);
        EXPECT_EQ(m_evaluator.getFormulaDisplayName(&formula), row.name);
    }
    EXPECT_EQ(m_evaluator.getFormulaDisplayName(nullptr), "");
}

} // namespace
