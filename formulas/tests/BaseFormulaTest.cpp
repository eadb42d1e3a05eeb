// Morvane formula library tests.
// What every formula shares: parameters, index points, checks, names, dependencies and copies.
#include "TestFormulas.h"

#include "MaskFixtures.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>

using namespace testformulas;
using testmodel::maskPointAt;

namespace {

/// Counts the change events that pass a handler, by kind and property.
class ChangeLog : public CEventSink
{
public:
    void OnBeforeChange(EventData *data) override { events.push_back("before:" + property(data)); }
    void OnAfterChange(EventData *data) override { events.push_back("after:" + property(data)); }

    std::vector<std::string> events;

private:
    static std::string property(const EventData *data)
    {
        return std::to_string(static_cast<int32_t>(data->m_nFirst));
    }
};

/// Finds every text faulty that contains "bad", and counts the texts it judged.
class BadTextChecker : public IFormulaTextChecker
{
public:
    bool IsFaultyText(const std::string &text) override
    {
        ++judged;
        return text.find("bad") != std::string::npos;
    }

    int judged = 0;
};

/// Refuses texts with "!" and upper-cases the others; shows texts in brackets.
class ShoutingConfig : public IUserFormulaConfig
{
public:
    std::string GetExpressionValue(const std::string &text, bool forDisplay, bool) override
    {
        return forDisplay ? "[" + text + "]" : text;
    }
    bool ConvertUserValue(const std::string &value, bool, std::string &out) override
    {
        if (value.find('!') != std::string::npos)
            return false;
        out = value;
        for (char &c : out)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return true;
    }
    std::string getFormulaDisplayName(IBaseFormula *) override { return "shouted"; }
};

class BaseFormulaTest : public ::testing::Test
{
protected:
    BaseFormulaTest() : m_square(testmodel::placeSquare(m_mask, "Front")) {}

    CBasePoint *point(int i) const { return maskPointAt(*m_square, i); }

    TestKinds m_kinds;
    CGradeMask m_mask;
    CMaskPattern *m_square;
};

} // namespace

TEST_F(BaseFormulaTest, ParametersGrowOnDemandAndReadZeroWhenEmpty)
{
    TestFormula formula;
    formula.GetParam(1)->SetValue("  a + b  ");
    ASSERT_EQ(formula.GetParamCount(), 2);

    formula.GetParam(5);

    ASSERT_EQ(formula.GetParamCount(), 6);
    for (int n = 2; n <= 5; ++n) {
        EXPECT_EQ(formula.GetParam(n)->GetType(), 0);
        EXPECT_EQ(formula.GetParam(n)->GetValue(), "");
    }
    EXPECT_EQ(formula.GetParamText(5), "0");
    EXPECT_EQ(formula.GetParamText(1), "a + b");
}

TEST_F(BaseFormulaTest, ParameterTextsGoThroughTheMasksConfiguration)
{
    ShoutingConfig config;
    m_mask.SetUserFormulaConfig(&config);
    TestFormula formula;
    formula.SetOwner(&m_mask);

    EXPECT_TRUE(formula.SetParamText(0, "waist/2"));
    EXPECT_FALSE(formula.SetParamText(0, "waist!"));

    EXPECT_EQ(formula.GetParamText(0), "WAIST/2");
    EXPECT_EQ(formula.FormatParamForDisplay(0), "[WAIST/2]");
    EXPECT_EQ(formula.FormatParam(0), "WAIST/2");
    EXPECT_EQ(formula.GetDisplayName(), "shouted");
    m_mask.SetUserFormulaConfig(nullptr);
    EXPECT_EQ(formula.GetDisplayName(), "");
}

TEST_F(BaseFormulaTest, SettingTheSameIndexPointAgainChangesNothing)
{
    TestFormula formula;
    ChangeLog log;
    formula.AddListener(&log);

    formula.SetIndexPoint(0, point(1));
    EXPECT_EQ(log.events, (std::vector<std::string>{"before:2", "after:2"}));
    formula.UpdateIfNeeded();
    log.events.clear();

    formula.SetIndexPoint(0, point(1));
    formula.SetIndexPoint(3, nullptr);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(formula.GetIndexPointCount(), 1);

    formula.SetIndexPoint(0, nullptr);
    EXPECT_EQ(formula.GetIndexPointCount(), 0);
    EXPECT_EQ(formula.GetIndexPoint(0), nullptr);
    formula.RemoveListener(&log);
}

TEST_F(BaseFormulaTest, CheckIndexPointsNamesEachMissingIndexFromOne)
{
    TestFormula formula;
    formula.SetRequired(3);
    formula.SetIndexPoint(0, point(0));
    formula.SetIndexPoint(2, point(2));
    CFormulaMessageList messages;

    EXPECT_FALSE(formula.CheckIndexPoints(nullptr));
    EXPECT_FALSE(formula.CheckIndexPoints(&messages));

    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_INDEX_POINT_MISSING);
    EXPECT_EQ(messages.GetAt(0)->GetText(), "#2");
    formula.SetIndexPoint(1, point(1));
    EXPECT_TRUE(formula.HasAllIndexPoints());
}

TEST_F(BaseFormulaTest, ValidateWithoutReporterStopsAtTheFirstMissingPointButChecksParameters)
{
    TestFormula formula;
    formula.SetRequired(2);
    formula.SetIndexPoint(0, point(0));
    formula.GetParam(0)->SetValue("fine");
    formula.GetParam(1)->SetValue("bad text");
    BadTextChecker checker;

    EXPECT_FALSE(formula.Validate(nullptr, &checker));
    EXPECT_EQ(checker.judged, 2);

    CFormulaMessageList messages;
    EXPECT_FALSE(formula.Validate(&messages, &checker));
    ASSERT_EQ(messages.GetCount(), 3);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_POINT_WITHOUT_RULE);
    EXPECT_EQ(messages.GetAt(0)->GetText(), "P1");
    EXPECT_EQ(messages.GetAt(1)->GetCode(), FM_POINT_NOT_NUMBERED);
    EXPECT_EQ(messages.GetAt(1)->GetText(), "#2");
    EXPECT_EQ(messages.GetAt(2)->GetCode(), FM_FAULTY_PARAMETER);
    EXPECT_EQ(messages.GetAt(2)->GetText(), "bad text");

    formula.SetIndexPoint(1, point(1));
    formula.ResolveToIndexPoints();
    formula.GetParam(1)->SetValue("good");
    EXPECT_TRUE(formula.IsValid(&checker));
}

TEST_F(BaseFormulaTest, ParameterNamesAreCollectedAndRenamedTokenByToken)
{
    TestFormula formula;
    formula.GetParam(0)->SetValue("Waist/2 + hip");
    formula.GetParam(1)->SetValue("(waist*");
    formula.GetParam(2)->SetValue("waistband");

    CNameArray names;
    formula.CollectVariableNames(names);
    EXPECT_EQ(names, (CNameArray{"Waist", "hip", "waistband"}));

    formula.RenameVariable("waist", "chest");
    EXPECT_EQ(formula.GetParam(0)->GetValue(), "chest/2 + hip");
    EXPECT_EQ(formula.GetParam(1)->GetValue(), "(chest*");
    EXPECT_EQ(formula.GetParam(2)->GetValue(), "waistband");
}

TEST_F(BaseFormulaTest, DependsOnMeasuresItNamesAndOnFormulasOfPointsItReads)
{
    TestMeasure waist;
    waist.SetVarName("Waist");
    TestFormula usesWaist;
    usesWaist.GetParam(0)->SetValue("WAIST*2");
    TestFormula gradesA;
    gradesA.SetBasePoint(point(0));
    TestFormula readsA;
    readsA.SetIndexPoint(0, point(0));

    EXPECT_TRUE(usesWaist.IsDependentOn(&waist));
    EXPECT_FALSE(waist.IsDependentOn(&usesWaist));
    EXPECT_TRUE(readsA.IsDependentOn(&gradesA));
    EXPECT_FALSE(gradesA.IsDependentOn(&readsA));

    // Remembered until the memo is cleared.
    usesWaist.GetParam(0)->SetValue("hip");
    EXPECT_TRUE(usesWaist.IsDependentOn(&waist));
    usesWaist.ClearLookupMap();
    EXPECT_FALSE(usesWaist.IsDependentOn(&waist));
}

TEST_F(BaseFormulaTest, DependencyOnGivenPointsReadsThemAndIsNotRemembered)
{
    TestFormula gradesA;
    gradesA.SetBasePoint(point(0));
    TestFormula readsA;
    readsA.SetIndexPoint(0, point(0));
    CPtrCollection<CBasePoint> pointsOfA;
    gradesA.CollectPoints(pointsOfA);
    CPtrCollection<CBasePoint> pointsOfB;
    pointsOfB.Add(point(1));

    EXPECT_TRUE(readsA.IsDependentOnCollected(&gradesA, pointsOfA));
    EXPECT_FALSE(readsA.IsDependentOnCollected(&gradesA, pointsOfB));
    EXPECT_FALSE(gradesA.IsDependentOnCollected(&readsA, pointsOfA));

    // Nothing was remembered: the next question is answered from the points as they are.
    readsA.SetIndexPoint(0, point(1));
    EXPECT_FALSE(readsA.IsDependentOn(&gradesA));
}

TEST_F(BaseFormulaTest, APathDoesNotWaitForTheExtendFormulaMeasuredAlongIt)
{
    TestFormula path;
    path.SetType(2);
    path.SetIndexPoint(0, point(0));
    TestFormula extend;
    extend.SetType(10);
    extend.SetBasePoint(point(0));
    TestFormula unrelated;
    unrelated.SetType(10);
    unrelated.SetBasePoint(point(0));

    extend.SetReferenced(&path);
    EXPECT_TRUE(extend.IsDependentOn(&path));
    EXPECT_FALSE(path.IsDependentOn(&extend));
    EXPECT_TRUE(path.IsDependentOn(&unrelated));
}

TEST_F(BaseFormulaTest, AssignOfAnotherTypeOnlyMarksTheFormulaChanged)
{
    TestFormula target;
    target.GetParam(0)->SetValue("kept");
    TestFormula other;
    other.SetType(kDartType);
    other.GetParam(0)->SetValue("other");
    ChangeLog log;
    target.AddListener(&log);

    target.Assign(&other);

    EXPECT_EQ(target.GetParamText(0), "kept");
    EXPECT_TRUE(target.IsChanged());
    EXPECT_EQ(log.events, (std::vector<std::string>{"before:-1", "after:-1"}));
    target.RemoveListener(&log);
}

TEST_F(BaseFormulaTest, ManagedCounterpartCopiesTheStateForTheSameTarget)
{
    TestFormula formula;
    formula.SetBasePoint(point(0));
    formula.SetOwner(&m_mask);
    formula.SetRequired(1);
    formula.SetIndexPoint(0, point(2));
    formula.ResolveToIndexPoints();
    formula.GetParam(0)->SetValue("3");
    formula.GetParam(1)->SetType(1);
    formula.SetTableRelativeType(4);

    std::unique_ptr<IBaseFormula> copy = formula.FindManagedCounterpartOf();

    ASSERT_NE(copy, nullptr);
    CBaseFormula &copied = *copy->GetBaseFormula();
    EXPECT_EQ(copied.GetBasePoint(), point(0));
    EXPECT_EQ(copied.GetOwner(), &m_mask);
    EXPECT_EQ(copied.GetIndexPoint(0), point(2));
    EXPECT_EQ(copied.GetResolvedPoint(0), point(2));
    EXPECT_EQ(copied.GetParamText(0), "3");
    EXPECT_EQ(copied.GetParam(1)->GetType(), 1);
    EXPECT_EQ(copied.GetTableRelativeType(), 4);
}

TEST_F(BaseFormulaTest, TextsNameThePointsOfOtherPatternsWithTheirPattern)
{
    CMaskPattern *back = testmodel::placeSquare(m_mask, "Back");
    TestFormula formula;
    formula.SetBasePoint(point(0));

    EXPECT_EQ(formula.GetPointDisplayName(point(1)), "P2");
    EXPECT_EQ(formula.GetPointDisplayName(maskPointAt(*back, 1)), "Back:P6");
    EXPECT_EQ(formula.GetPointDisplayName(nullptr), "P?");
    EXPECT_EQ(formula.GetPointsText(), "P1");
    EXPECT_EQ(formula.GetFormulaText(), "%PA(1,1,P1)=(0,0)");
    EXPECT_EQ(formula.GetApplyPrefix(), "");
    EXPECT_TRUE(formula.HasDrivenAxis());
}
