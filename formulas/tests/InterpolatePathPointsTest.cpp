// Morvane formula library tests.
// The interpolation between the end of one path formula and the start of another.
#include "MaskFixtures.h"
#include "formulas/InterpolatePathPoints.h"
#include "model/GradePath.h"
#include "model/IPathFormula.h"

#include <gtest/gtest.h>

using testmodel::maskPointAt;

namespace {

/// A path formula over a path of a mask square from one point to another; its resolved
/// points are the path's start (0) and end (1).
class SquarePath : public CBaseFormula, public IPathFormula
{
public:
    SquarePath(CBasePoint *start, CBasePoint *end, const std::string &name)
        : m_pStart(start)
        , m_pEnd(end)
        , m_sName(name)
    {
        SetResolved(0, start);
        SetResolved(1, end);
    }

    int GetFormulaType() const override { return 2; }
    int GetApplyTypeX() const override { return 2; }
    int GetApplyTypeY() const override { return 2; }
    std::string GetFormulaText() override { return {}; }
    IPathFormula *AsPathFormula() override { return this; }
    IGradePath *GetPath() override
    {
        m_oPath.FillPath(m_pStart, m_pEnd, false);
        return &m_oPath;
    }
    std::string GetPathText() override { return m_sName; }
    bool GetReverse() const override { return false; }
    void SetReverse(bool) override {}

protected:
    int GetResolvedCount() const override { return 2; }
    void DoCollectPoints(CPtrCollection<CBasePoint> &) override {}
    void DoGetDisplayText(std::string &out, bool) override { out = m_sName; }

private:
    CBasePoint *m_pStart;
    CBasePoint *m_pEnd;
    CGradePath m_oPath;
    std::string m_sName;
};

} // namespace

TEST(InterpolatePathPointsTest, WritesTheFourEndsAndTheTurnBetweenThePaths)
{
    CGradeMask mask;
    const CMaskPattern *square = testmodel::placeSquare(mask, "Front");
    auto point = [square](int n) { return maskPointAt(*square, n - 1); };
    // Along the top from P3 to P4 (180 degrees), then down the left side from P4 to P1
    // (-90 degrees): a quarter turn to the left, written negated.
    SquarePath pathA(point(3), point(4), "A");
    SquarePath pathB(point(4), point(1), "B");
    CInterpolatePathPoints formula;
    EXPECT_TRUE(formula.GetRotateBack());
    EXPECT_EQ(formula.GetFormulaText(), "");
    EXPECT_EQ(formula.GetAngle(), 0.0);

    formula.SetPathA(&pathA);
    formula.SetPathB(&pathB);

    EXPECT_EQ(formula.GetFormulaText(), "%IP2P(P4,P3,P4,P1,-90.000000,1)");
    std::string display;
    formula.GetDisplayText(display, true);
    EXPECT_EQ(display, "(A, B)");
    EXPECT_TRUE(formula.DependsOnFormula(&pathB));
    EXPECT_TRUE(formula.UsesPoint(point(3)));
    EXPECT_TRUE(formula.UsesPoint(point(1)));
    EXPECT_FALSE(formula.UsesPoint(point(4)));
    CPtrCollection<CBasePoint> graded;
    formula.CollectPoints(graded);
    ASSERT_EQ(graded.GetCount(), 1);
    EXPECT_EQ(graded.GetAt(0), point(4));

    formula.OnIndexPointsChanged(&pathB);
    EXPECT_EQ(formula.GetPathA(), &pathA);
    EXPECT_EQ(formula.GetPathB(), nullptr);
    formula.GetDisplayText(display, true);
    EXPECT_EQ(display, "(A, P?)");

    // A damaged file may make the formula its own path: its text shows it once.
    formula.SetPathB(&formula);
    formula.GetDisplayText(display, true);
    EXPECT_EQ(display, "(A, )");
}
