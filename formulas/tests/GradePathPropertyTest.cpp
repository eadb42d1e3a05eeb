// Morvane formula library tests.
// Path properties of a global proportional-distance formula: the options of the first property,
// the text, and whether other formulas grade the ends of the path.
#include "model/GradePathProperty.h"

#include "MaskFixtures.h"
#include "formulas/BaseFormula.h"
#include "model/GradeMask.h"
#include "model/GradePath.h"
#include "model/IMeasureFormula.h"
#include "model/IPathFormula.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>

using namespace testmodel;

namespace {

/// A formula that grades the points it is given, in x and in y.
class Grader : public CBaseFormula
{
public:
    Grader(std::initializer_list<CBasePoint *> points)
    {
        for (CBasePoint *point : points)
            m_oPoints.Add(point);
    }

    const CRuntimeClass *GetRuntimeClass() const override { return CBaseFormula::GetThisClass(); }
    int GetFormulaType() const override { return 5; }
    int GetApplyTypeX() const override { return 1; }
    int GetApplyTypeY() const override { return 1; }
    std::string GetFormulaText() override { return {}; }

protected:
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override { list.Append(m_oPoints); }
    void DoGetDisplayText(std::string &out, bool) override { out.clear(); }

private:
    CPtrCollection<CBasePoint> m_oPoints;
};

/// A measure of the length of the path from one point to another.
class PathMeasure : public CBaseFormula, public IMeasureFormula, public IPathFormula
{
public:
    PathMeasure(std::string name, CBasePoint *from, CBasePoint *to)
        : m_sName(std::move(name))
        , m_pFrom(from)
        , m_pTo(to)
    {
    }

    const CRuntimeClass *GetRuntimeClass() const override { return CBaseFormula::GetThisClass(); }
    int GetFormulaType() const override { return 2; }
    int GetApplyTypeX() const override { return 2; }
    int GetApplyTypeY() const override { return 2; }
    std::string GetFormulaText() override { return {}; }
    IMeasureFormula *AsMeasureFormula() override { return this; }
    IPathFormula *AsPathFormula() override { return this; }

    std::string GetVarName() const override { return m_sName; }
    void SetVarName(const std::string &name) override { m_sName = name; }
    double GetValue(int, int) override { return m_oPath.GetPathLength(nullptr); }
    bool IsValid() override { return true; }
    bool IsRuntime() const override { return false; }

    IGradePath *GetPath() override
    {
        m_oPath.FillPath(m_pFrom, m_pTo, true);
        return &m_oPath;
    }
    std::string GetPathText() override
    {
        return "(" + m_pFrom->GetFormatName() + "->" + m_pTo->GetFormatName() + ")";
    }
    bool GetReverse() const override { return false; }
    void SetReverse(bool) override {}

protected:
    void DoCollectPoints(CPtrCollection<CBasePoint> &) override {}
    void DoGetDisplayText(std::string &out, bool) override { out = m_sName; }

private:
    std::string m_sName;
    CBasePoint *m_pFrom;
    CBasePoint *m_pTo;
    CGradePath m_oPath;
};

// A square on a mask (P1 to P4), a path measure from P1 to P3, and the owner of the properties.
class GradePathPropertyTest : public ::testing::Test
{
protected:
    GradePathPropertyTest()
    {
        measure.SetOwner(&mask);
        list.SetOwner(&owner);
    }

    CBasePoint *point(int i) const { return square->GetBasePointAt(i); }

    CGradeMask mask;
    CMaskPattern *square = placeSquare(mask, "Front");
    PathMeasure measure{"front", point(0), point(2)};
    Grader owner{point(0), point(1)};
    CGradePathPropertyList list;
};

} // namespace

TEST_F(GradePathPropertyTest, TheFirstPropertyHasNoOptions)
{
    list.AddPathProperty(&measure);
    list.AddPathProperty(&measure);
    CGradePathProperty *first = list.GetAt(0);
    CGradePathProperty *second = list.GetAt(1);
    EXPECT_TRUE(first->SetFirstOption(true));
    EXPECT_TRUE(first->SetSecondOption(true));
    EXPECT_FALSE(first->GetFirstOption());
    EXPECT_FALSE(first->GetSecondOption());
    EXPECT_TRUE(second->SetFirstOption(true));
    EXPECT_FALSE(second->SetSecondOption(false));
    EXPECT_TRUE(second->GetFirstOption());
    EXPECT_FALSE(second->GetSecondOption());

    // The second becomes the first: its options read false.
    list.DeleteAt(0);
    EXPECT_FALSE(second->GetFirstOption());
    EXPECT_EQ(second->GetOwner(), &owner);
}

TEST_F(GradePathPropertyTest, CopiesTakeTheFormulaAndOptionsButNotTheOwner)
{
    list.AddPathProperty(&measure);
    list.AddPathProperty(&measure);
    list.GetAt(1)->SetSecondOption(true);
    Grader otherOwner{};
    CGradePathPropertyList copy;
    copy.SetOwner(&otherOwner);
    copy.CopyFrom(list);
    ASSERT_EQ(copy.GetCount(), 2);
    EXPECT_EQ(copy.GetAt(1)->GetGradeFormula(), &measure);
    EXPECT_TRUE(copy.GetAt(1)->GetSecondOption());
    EXPECT_EQ(copy.GetAt(1)->GetOwner(), &otherOwner);
}

TEST_F(GradePathPropertyTest, TextJoinsTheNameAndThePath)
{
    list.AddPathProperty(&measure);
    EXPECT_EQ(list.GetAt(0)->GetText(), "front=(P1->P3)");
    EXPECT_EQ(list.GetAt(0)->GetGradePath()->GetLastPoint(), point(2));
    list.AddPathProperty(&owner);
    EXPECT_EQ(list.GetAt(1)->GetText(), "");
    EXPECT_EQ(list.GetAt(1)->GetGradePath(), nullptr);
}

TEST_F(GradePathPropertyTest, EndsCountAsGradedOnlyByOtherFormulas)
{
    Grader other{point(2)};
    CPtrCollection<IBaseFormula> working;
    working.Add(&owner);
    working.Add(&other);
    mask.GetFormulas().SetWorkingFormulas(working);
    list.AddPathProperty(&measure);
    CGradePathProperty *property = list.GetAt(0);
    property->UpdateStartGraded();
    property->UpdateEndGraded();
    EXPECT_FALSE(property->GetStartGraded());
    EXPECT_TRUE(property->GetEndGraded());

    list.SetOwner(&other);
    property->UpdateStartGraded();
    property->UpdateEndGraded();
    EXPECT_TRUE(property->GetStartGraded());
    EXPECT_FALSE(property->GetEndGraded());
    mask.GetFormulas().SetWorkingFormulas({});
}
