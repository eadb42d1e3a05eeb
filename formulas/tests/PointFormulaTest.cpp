// Morvane formula library tests.
// The point formulas: their parser lines and display texts, checks, bound copies and old files.
#include "MaskFixtures.h"
#include "TemporaryFolder.h"
#include "formulas/PFSymetryPoint.h"
#include "formulas/PointFormulaClosedDart.h"
#include "formulas/PointFormulaExtend.h"
#include "formulas/PointFormulaIncrement.h"
#include "formulas/PointFormulaInterpolate.h"
#include "formulas/PointFormulaIntersect.h"
#include "formulas/PointFormulaKeepAngleLength.h"
#include "formulas/PointFormulaLikePoint.h"
#include "formulas/PointFormulaMovePred.h"
#include "formulas/PointFormulaNotchDistance.h"
#include "formulas/PointFormulaRotate.h"
#include "formulas/ValidationFormula.h"
#include "foundation/FileContent.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testmodel::maskPointAt;

namespace {

/// A mask with the square "Front", and point formulas on it made ready to write their lines.
class FormulaBench
{
public:
    FormulaBench() : m_square(testmodel::placeSquare(m_mask, "Front")) {}
    virtual ~FormulaBench() = default;

    /// Point i of the square: 0 to 3 are the grade points P1 to P4.
    CBasePoint *point(int i) const { return maskPointAt(*m_square, i); }

    /// A formula of type T on point i of the square, owned by the mask's manager.
    template <class T> T *make(int i = 0)
    {
        return static_cast<T *>(m_mask.GetFormulas().AddFormula(
            m_mask.GetFormulas().MakePointFormula(T::kFormulaType, nullptr, point(i))));
    }

    /// Makes formula a copy bound to bound whose references resolve to the given points (the
    /// index points are the same points).
    static void bind(CBasePointFormula &formula, CBasePoint *bound,
                     const std::vector<CBasePoint *> &references)
    {
        for (int i = 0; i < static_cast<int>(references.size()); ++i)
            formula.SetIndexPoint(i, references[static_cast<size_t>(i)]);
        formula.UpdateIfNeeded();
        formula.SetBoundPoint(bound);
        for (int i = 0; i < static_cast<int>(references.size()); ++i)
            formula.SetResolved(i, references[static_cast<size_t>(i)]);
    }

    static std::string linesOf(IBaseFormula &formula)
    {
        std::vector<std::string> texts;
        formula.AddFormulaText(texts);
        std::string joined;
        for (const std::string &text : texts)
            joined += (joined.empty() ? "" : "\n") + text;
        return joined;
    }

    static std::string displayOf(IBaseFormula &formula, bool maskLabels = true)
    {
        std::string text;
        formula.GetDisplayText(text, maskLabels);
        return text;
    }

    CBasePointFormula *increment()
    {
        auto *formula = make<CPointFormulaIncrement>();
        formula->GetParam(0)->SetValue("3");
        formula->GetParam(1)->SetValue("-2");
        bind(*formula, point(0), {});
        return formula;
    }
    CBasePointFormula *likePoint(bool second)
    {
        auto *formula = make<CPointFormulaLikePoint>();
        if (second)
            formula->SetSecondPoint(point(3));
        bind(*formula, point(0), second ? std::vector{point(2), point(3)} : std::vector{point(2)});
        return formula;
    }
    CBasePointFormula *intersect()
    {
        auto *formula = make<CPointFormulaIntersect>();
        bind(*formula, point(0), {point(1), point(3)});
        return formula;
    }
    CBasePointFormula *rotate(bool absolute)
    {
        auto *formula = make<CPointFormulaRotate>();
        formula->SetAbsolute(absolute);
        formula->GetParam(0)->SetValue(absolute ? "15" : "%INC(15)");
        formula->GetParam(1)->SetValue("2");
        bind(*formula, point(0), {point(2)});
        return formula;
    }
    CBasePointFormula *extend(bool withPath)
    {
        auto *formula = make<CPointFormulaExtend>();
        formula->GetParam(0)->SetValue("5");
        if (withPath)
            formula->SetPathFormula(m_mask.GetFormulas().AddFormula(
                m_mask.GetFormulas().MakeGlobalFormula(18, nullptr)));
        bind(*formula, point(0), {point(2)});
        return formula;
    }
    CBasePointFormula *interpolate(bool keepOnCurve, int applyX, int applyY)
    {
        auto *formula = make<CPointFormulaInterpolate>();
        formula->SetKeepOnCurve(keepOnCurve);
        formula->SetApplyTypeX(applyX);
        formula->SetApplyTypeY(applyY);
        bind(*formula, point(0), {point(1), point(2)});
        return formula;
    }
    CBasePointFormula *closedDart(bool foldAtBegin)
    {
        auto *formula = make<CPointFormulaClosedDart>();
        formula->SetFoldAtBeginPoint(foldAtBegin);
        formula->GetParam(0)->SetValue("d");
        bind(*formula, point(0), {point(1), point(2), point(3)});
        return formula;
    }
    CBasePointFormula *keepAngleLength()
    {
        auto *formula = make<CPointFormulaKeepAngleLength>();
        bind(*formula, point(0), {point(1), point(2)});
        return formula;
    }
    CBasePointFormula *symmetry(int axisType, bool withAxis)
    {
        auto *formula = make<CPFSymetryPoint>();
        formula->SetAxisType(axisType);
        if (withAxis)
            formula->SetSymmetryAxis(m_mask.GetFormulas().AddFormula(
                m_mask.GetFormulas().MakeGlobalFormula(18, nullptr)));
        bind(*formula, point(0), {point(2)});
        return formula;
    }

protected:
    CGradeMask m_mask;
    CMaskPattern *m_square;
};

class PointFormulaTest : public ::testing::Test, public FormulaBench
{
};

struct LineCase
{
    const char *name;
    CBasePointFormula *(*make)(FormulaBench &);
    const char *line;
    const char *display;
};

} // namespace

TEST_F(PointFormulaTest, EveryKindWritesItsLineAndDisplayText)
{
    const LineCase cases[] = {
        {"increment", [](FormulaBench &t) { return t.increment(); },
         "%PA(0,0,P1)=(3,-2)", "3,-2"},
        {"like point", [](FormulaBench &t) { return t.likePoint(false); },
         "%PA(0,0,P1)=P3", "P3"},
        {"like the difference of two points",
         [](FormulaBench &t) { return t.likePoint(true); }, "%PA(0,0,P1)=P3-P4",
         "P3 - P4"},
        {"intersect", [](FormulaBench &t) { return t.intersect(); },
         "%PA(0,0,P1)=%IS(P1,P2,P4)", "(P2, P4)"},
        {"rotate absolute", [](FormulaBench &t) { return t.rotate(true); },
         "%PA(0,0,P1)=%ROTA(P1, P3, 15, 1)", "(P3, 15)"},
        {"rotate relative", [](FormulaBench &t) { return t.rotate(false); },
         "%PA(0,0,P1)=%ROT(P1, P3, 15, 2, 1)", "(P3, %INC(15), 2)"},
        {"extend", [](FormulaBench &t) { return t.extend(false); },
         "%PA(0,0,P1)=%CLE(P1,P3,5,1.000000)", "(P3, 5)"},
        {"extend along a path", [](FormulaBench &t) { return t.extend(true); },
         "%PA(0,0,P1)=%CLE(P1,P3,5 - SYSTEMPARSERVAR,1.000000)", "(P3, 5-)"},
        {"interpolate on the curve in x",
         [](FormulaBench &t) { return t.interpolate(true, 1, 2); },
         "%PA(1,2,P1)=%IPLM(P1,P2,P3, 0.0)", "(P2, P3)"},
        {"interpolate on the curve in y",
         [](FormulaBench &t) { return t.interpolate(true, 2, 0); },
         "%PA(2,0,P1)=%IPLM(P1,P2,P3, 90.0)", "(P2, P3)"},
        {"interpolate", [](FormulaBench &t) { return t.interpolate(true, 0, 0); },
         "%PA(0,0,P1)=%IPL(P1,P2,P3)", "(P2, P3)"},
        {"closed dart folded at the begin point",
         [](FormulaBench &t) { return t.closedDart(true); },
         "%PA(1,1,P1)=%DGC(P1,P2,P3,P4,d)", "(P2,P3,P4)"},
        {"closed dart folded at the end point",
         [](FormulaBench &t) { return t.closedDart(false); },
         "%PA(1,1,P1)=%DGC(P1,P4,P3,P2,d)", "(P2,P3,P4)"},
        {"keep angle and length", [](FormulaBench &t) { return t.keepAngleLength(); },
         "%PA(0,0,P1)=%ROTL(P1, P2, P3, 1)", "(P2, P3)"},
        {"symmetry without axis", [](FormulaBench &t) { return t.symmetry(3, false); },
         "%PA(0,0,P1)=%SYM(P3,0,,)", "(P3,X)"},
        {"symmetry about y without axis formula",
         [](FormulaBench &t) { return t.symmetry(1, false); },
         "%PA(0,0,P1)=%SYM(P3,0,,)", "(P3,Y)"},
        {"symmetry about y", [](FormulaBench &t) { return t.symmetry(1, true); },
         "%PA(0,0,P1)=%SYM(P3,1,,)", "(P3,Y)"},
        {"symmetry about an axis without points",
         [](FormulaBench &t) { return t.symmetry(3, true); },
         "%PA(0,0,P1)=%SYM(P3,0,,)", "(P3,X)"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        FormulaBench bench;
        CBasePointFormula *formula = row.make(bench);
        EXPECT_EQ(linesOf(*formula), row.line);
        EXPECT_EQ(displayOf(*formula), row.display);
    }
}

TEST_F(PointFormulaTest, AMissingPointWritesNoLineAndShowsAsUnknown)
{
    auto *formula = make<CPointFormulaIntersect>();
    bind(*formula, point(0), {point(1), point(3)});
    formula->SetResolved(1, nullptr);
    EXPECT_EQ(linesOf(*formula), "");
    EXPECT_EQ(displayOf(*formula, false), "(P2, P?)");

    auto *increment = make<CPointFormulaIncrement>();
    EXPECT_EQ(increment->GetFormulaText(), "");
    EXPECT_EQ(linesOf(*increment), "");
}

TEST_F(PointFormulaTest, AnExtendCopyMadeByAnotherFormulaWritesItsDirection)
{
    auto *formula = make<CPointFormulaExtend>();
    formula->GetParam(0)->SetValue("5");
    bind(*formula, point(1), {point(0)});
    CValidationFormula other;
    other.RefreshThrough(formula);

    EXPECT_EQ(linesOf(*formula), "%PA(0,0,P2)=%RG(0.000000,5,0)");
}

TEST_F(PointFormulaTest, MoveAlongPredecessorTakesTheDirectionOfItsPolyline)
{
    auto *formula = static_cast<CPointFormulaMovePred *>(m_mask.GetFormulas().AddFormula(
        m_mask.GetFormulas().MakePointFormula(CPointFormulaMovePred::kFormulaType, nullptr,
                                              point(1))));
    formula->GetParam(0)->SetValue("d");
    CFormulaMessageList messages;
    EXPECT_FALSE(formula->CheckIndexPoints(&messages));
    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_NO_POLYLINE);

    // P2 ends the line P1-I1-P2 and starts P2-P3-P4-P1; forward the one that ends there wins.
    formula->ResolvePolyline();
    ASSERT_EQ(formula->GetPolyline(), m_square->GetPatternPolylineAt(0));
    EXPECT_TRUE(formula->CheckIndexPoints(nullptr));
    bind(*formula, point(1), {});
    EXPECT_EQ(linesOf(*formula), "%PA(0,0,P2)=%RG(2.862405,d,0)");
    EXPECT_EQ(displayOf(*formula), "->(d)");
    formula->SetBackward(true);
    formula->ResolvePolyline();
    EXPECT_EQ(formula->GetPolyline(), m_square->GetPatternPolylineAt(1));
    EXPECT_EQ(displayOf(*formula), "<-(d)");
}

TEST_F(PointFormulaTest, ChecksNameWhatIsMissing)
{
    CFormulaMessageList messages;
    auto *kept = make<CPointFormulaIncrement>();
    EXPECT_FALSE(kept->Validate(&messages, nullptr));
    auto *pointless = make<CPointFormulaIncrement>();
    pointless->SetBasePoint(nullptr);
    EXPECT_FALSE(pointless->Validate(&messages, nullptr));
    auto *untouched = make<CPointFormulaIncrement>();
    untouched->SetApplyTypeX(2);
    untouched->SetApplyTypeY(2);
    EXPECT_FALSE(untouched->CheckIndexPoints(&messages));
    auto *notch = make<CPointFormulaNotchDistance>();
    bind(*notch, point(0), {point(1)});
    EXPECT_FALSE(notch->Validate(&messages, nullptr));

    ASSERT_EQ(messages.GetCount(), 4);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_POINT_WITHOUT_RULE);
    EXPECT_EQ(messages.GetAt(0)->GetText(), "P1");
    EXPECT_EQ(messages.GetAt(1)->GetCode(), FM_POINT_NOT_NUMBERED);
    EXPECT_EQ(messages.GetAt(1)->GetText(), "#0");
    EXPECT_EQ(messages.GetAt(2)->GetCode(), FM_NOTHING_TO_GRADE);
    EXPECT_EQ(messages.GetAt(2)->GetText(), "");
    EXPECT_EQ(messages.GetAt(3)->GetCode(), FM_NO_SLIDER_POINT);
    EXPECT_EQ(messages.GetAt(3)->GetText(), "P1");
    EXPECT_EQ(linesOf(*notch), "");
}

TEST_F(PointFormulaTest, ABoundPointInAReadOnlyRegionFails)
{
    auto *formula = make<CPointFormulaIncrement>();
    bind(*formula, point(0), {});
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));

    std::unique_ptr<CGradeRegion> region = m_mask.MakeRegion();
    region->SetPosition({0.0, -1000.0});
    region->SetDirection(90.0, false);
    region->SetType(REGION_READ_ONLY);
    m_mask.InsertGradeRegionAt(0, std::move(region));

    CFormulaMessageList messages;
    EXPECT_FALSE(formula->Validate(&messages, nullptr));
    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_READ_ONLY_REGION);
    EXPECT_EQ(messages.GetAt(0)->GetText(), "P1");
}

TEST_F(PointFormulaTest, CopiesKeepTheirTargetAndTakeTheApplyTypesAndOwnFields)
{
    auto *source = make<CPointFormulaRotate>();
    source->SetApplyTypeX(1);
    source->SetApplyTypeY(2);
    source->SetRotateInSize(false);
    auto *target = static_cast<CPointFormulaRotate *>(m_mask.GetFormulas().AddFormula(
        m_mask.GetFormulas().MakePointFormula(CPointFormulaRotate::kFormulaType, nullptr,
                                              point(2))));
    target->Assign(source);
    EXPECT_EQ(target->GetBasePoint(), point(2));
    EXPECT_EQ(target->GetApplyTypeX(), 1);
    EXPECT_EQ(target->GetApplyTypeY(), 2);
    EXPECT_FALSE(target->GetRotateInSize());

    auto *notch = make<CPointFormulaNotchDistance>();
    EXPECT_EQ(notch->GetApplyTypeX(), 1);
    notch->Assign(make<CPointFormulaNotchDistance>());
    EXPECT_EQ(notch->GetApplyTypeY(), 1);
}

namespace {

void replaceFirst(std::string &text, const std::string &from, const std::string &to)
{
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

} // namespace

TEST_F(PointFormulaTest, PointFormulasComeBackFromTheMaskFile)
{
    auto *formula = make<CPointFormulaRotate>(1);
    formula->SetApplyTypeY(2);
    formula->SetIndexPoint(0, point(3));
    formula->GetParam(0)->SetValue("30");
    auto *symmetry = make<CPFSymetryPoint>(2);
    symmetry->SetSymmetryAxis(formula);
    TemporaryFolder folder("point-formulas");
    ASSERT_TRUE(m_mask.Save(folder / "mask.msk")) << m_mask.GetLastError();

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "mask.msk")) << loaded.GetLastError();

    CFormulaManager &formulas = loaded.GetFormulas();
    ASSERT_EQ(formulas.GetFormulaCount(), 2);
    auto *rotate = dynamic_cast<CPointFormulaRotate *>(formulas.GetFormulaAt(0));
    auto *mirror = dynamic_cast<CPFSymetryPoint *>(formulas.GetFormulaAt(1));
    ASSERT_NE(rotate, nullptr);
    ASSERT_NE(mirror, nullptr);
    const CPattern &square = *loaded.GetPatternAt(0);
    EXPECT_EQ(rotate->GetBasePoint(), maskPointAt(square, 1));
    EXPECT_EQ(rotate->GetIndexPoint(0), maskPointAt(square, 3));
    EXPECT_EQ(rotate->GetApplyTypeY(), 2);
    EXPECT_TRUE(rotate->IsAbsolute());
    EXPECT_EQ(rotate->GetParamText(0), "30");
    EXPECT_EQ(mirror->GetSymmetryAxis(), rotate);
    EXPECT_EQ(mirror->GetAxisType(), SYMMETRY_AXIS_FORMULA);
}

TEST_F(PointFormulaTest, FilesBefore2116TurnTheLegacyApplyTypeIntoTwo)
{
    struct LegacyCase
    {
        const char *increment;
        const char *applyType;
        int applyX;
        int applyY;
    };
    const LegacyCase cases[] = {
        {"0", "1", 1, 2}, {"1", "0", 0, 0}, {"1", "2", 2, 0}, {"0", "7", 0, 0},
    };
    make<CPointFormulaIncrement>();
    TemporaryFolder folder("legacy-apply-type");
    ASSERT_TRUE(m_mask.Save(folder / "mask.msk")) << m_mask.GetLastError();
    const std::string current = morvane::readFileContent(folder / "mask.msk").value_or("");
    for (const auto &row : cases) {
        SCOPED_TRACE(std::string(row.increment) + "/" + row.applyType);
        std::string text = current;
        replaceFirst(text, "Version=\"2121\"", "Version=\"2115\"");
        replaceFirst(text, "<ApplyTypeX>0</ApplyTypeX>",
                     std::string("<Increment>") + row.increment + "</Increment><ApplyType>" +
                         row.applyType + "</ApplyType>");
        replaceFirst(text, "<ApplyTypeY>0</ApplyTypeY>", "");
        std::ofstream(folder / "old.msk", std::ios::trunc) << text;

        CGradeMask loaded;
        ASSERT_TRUE(loaded.Load(folder / "old.msk")) << loaded.GetLastError();
        ASSERT_EQ(loaded.GetFormulas().GetFormulaCount(), 1);
        const IBaseFormula *formula = loaded.GetFormulas().GetFormulaAt(0);
        EXPECT_EQ(formula->GetApplyTypeX(), row.applyX);
        EXPECT_EQ(formula->GetApplyTypeY(), row.applyY);

        ASSERT_TRUE(loaded.Save(folder / "saved.msk"));
        const std::string saved = morvane::readFileContent(folder / "saved.msk").value_or("");
        EXPECT_EQ(saved.find("<Increment>"), std::string::npos);
        EXPECT_EQ(saved.find("<ApplyType>"), std::string::npos);
    }
}

TEST_F(PointFormulaTest, FormulasThatNameEachOtherInARingStillAnswer)
{
    auto *mirror = make<CPFSymetryPoint>();
    mirror->SetSymmetryAxis(mirror);
    CPtrCollection<CBasePoint> points;
    mirror->CollectAllPoints(points);
    EXPECT_EQ(points.GetCount(), 0);

    auto *first = make<CPointFormulaExtend>(1);
    auto *second = make<CPointFormulaExtend>(2);
    first->SetPathFormula(second);
    second->SetPathFormula(first);
    first->GetParam(0)->SetValue("1");
    second->GetParam(0)->SetValue("2");
    EXPECT_EQ(displayOf(*first), "(P?, 1-(P?, 2-))");
}
