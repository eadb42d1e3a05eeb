// Morvane formula library tests.
// The clipboard payload: what a copy collects and writes, and how a paste renames, renumbers
// and detaches what it brings into a mask.
#include "GradedSquare.h"
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "TestFormulas.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/MeasureP2P.h"
#include "foundation/XmlErrorReporter.h"
#include "model/GradeMask.h"
#include "model/MVClipboard.h"

#include <gtest/gtest.h>
#include <string>

using namespace testformulas;
using namespace testmodel;

namespace {

// A source mask: the square patterns Front and Back, on Front a point formula on point 0 that
// reads point 1 of Back and point 2 of Front and uses the measure "waist", the measure "waist"
// itself (a pattern formula of Front), and a grade region R1 with its formula.
class ClipboardTest : public ::testing::Test
{
protected:
    ClipboardTest()
    {
        CFormulaManager &formulas = m_source.GetFormulas();
        m_pointFormula = static_cast<TestFormula *>(formulas.AddFormula(
            formulas.MakePointFormula(kPointType, nullptr, maskPointAt(*m_front, 0))));
        m_pointFormula->SetIndexPoint(0, maskPointAt(*m_back, 1));
        m_pointFormula->SetIndexPoint(1, maskPointAt(*m_front, 2));
        m_pointFormula->GetParam(0)->SetValue("waist*2");
        auto *measure = static_cast<CMeasureP2P *>(formulas.AddFormula(
            formulas.MakePatternFormula(CMeasureP2P::kFormulaType, nullptr, m_front)));
        measure->SetVarName("waist");
        formulas.AddNewRegionFormula(CGradeRegionFormula::kFormulaType, nullptr, m_region);
    }

    /// The payload of a copy of Front and R1.
    std::string copyFrontAndRegion()
    {
        CMVClipboard copy;
        copy.Create(&m_source);
        copy.AddClipboardItem(m_front);
        copy.AddClipboardItem(m_region);
        std::string text;
        EXPECT_TRUE(copy.GetXmlContent(text)) << copy.GetLastError();
        return text;
    }

    static void paste(const std::string &text, CGradeMask &target)
    {
        CMVClipboard clipboard;
        ASSERT_TRUE(clipboard.Create(text)) << clipboard.GetLastError();
        clipboard.UpdateMask(target);
    }

    /// The formula of the target's pattern pattern on its point 0.
    static TestFormula *pointFormulaOf(CGradeMask &mask, int pattern)
    {
        CPtrCollection<IBaseFormula> formulas;
        mask.GetFormulas().GetPatternFormulas(mask.GetPatternAt(pattern), formulas);
        for (IBaseFormula *formula : formulas) {
            if (auto *point = dynamic_cast<TestFormula *>(formula))
                return point;
        }
        return nullptr;
    }

    static CMeasureP2P *measureOf(CGradeMask &mask, const CPattern *pattern)
    {
        for (int i = 0; i < mask.GetFormulaManager()->GetFormulaCount(); ++i) {
            auto *measure = dynamic_cast<CMeasureP2P *>(mask.GetFormulaManager()->GetFormulaAt(i));
            if (measure != nullptr && measure->GetPattern() == pattern)
                return measure;
        }
        return nullptr;
    }

    TestKinds m_kinds;
    CGradeMask m_source;
    CMaskPattern *m_front = placeSquare(m_source, "Front");
    CMaskPattern *m_back = placeSquare(m_source, "Back");
    CGradeRegion *m_region = addRegion(m_source, boxShape(100, 100, 110, 110), REGION_GRADE);
    TestFormula *m_pointFormula = nullptr;
};

} // namespace

TEST_F(ClipboardTest, APatternThatAFormulaReadsEntersThePayloadButNotTheItems)
{
    CMVClipboard clipboard;
    ASSERT_TRUE(clipboard.Create(copyFrontAndRegion())) << clipboard.GetLastError();

    ASSERT_EQ(clipboard.GetClipboardItemCount(), 2);
    EXPECT_EQ(clipboard.GetClipboardItemAt(0)->GetPattern()->GetPatternName(), "Front");
    EXPECT_NE(clipboard.GetClipboardItemAt(1)->GetRegion(), nullptr);
    CGradeMask &payload = clipboard.GetClipboardMask();
    ASSERT_EQ(payload.GetPatternCount(), 2);
    EXPECT_EQ(payload.GetPatternAt(1)->GetPatternName(), "Back");
    EXPECT_EQ(payload.GetGradeRegionCount(), 1);
    EXPECT_EQ(payload.GetFormulaManager()->GetFormulaCount(), 3);
    // The source keeps everything.
    EXPECT_EQ(m_source.GetPatternCount(), 2);
    EXPECT_EQ(m_source.GetFormulaManager()->GetFormulaCount(), 3);
}

TEST_F(ClipboardTest, ASecondCallGivesTheSameTextWithoutCollectingAgain)
{
    CMVClipboard copy;
    copy.Create(&m_source);
    copy.AddClipboardItem(m_front);
    std::string first;
    ASSERT_TRUE(copy.GetXmlContent(first));
    EXPECT_EQ(copy.GetClipboardItemCount(), 0);
    std::string second;
    ASSERT_TRUE(copy.GetXmlContent(second));
    EXPECT_EQ(second, first);
    EXPECT_NE(first.find("<MVClipboard>"), std::string::npos);
}

TEST_F(ClipboardTest, PastingIntoAnotherMaskKeepsNamesAndClearsIndexPointsOffTheItems)
{
    CGradeMask target;
    paste(copyFrontAndRegion(), target);

    ASSERT_EQ(target.GetPatternCount(), 1);
    EXPECT_EQ(target.GetPatternAt(0)->GetPatternName(), "Front");
    EXPECT_EQ(target.GetGradeRegionCount(), 1);
    EXPECT_EQ(target.GetFormulaManager()->GetFormulaCount(), 3);
    TestFormula *pasted = pointFormulaOf(target, 0);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->GetOwner(), &target);
    EXPECT_EQ(pasted->GetIndexPoint(0), nullptr) << "Back was not copied as an item";
    EXPECT_EQ(pasted->GetIndexPoint(1), maskPointAt(*target.GetPatternAt(0), 2));
    EXPECT_EQ(measureOf(target, target.GetPatternAt(0))->GetVarName(), "waist");
    EXPECT_EQ(target.GetGradeRegionAt(0)->FindGradeFormula()->GetRegion(),
              target.GetGradeRegionAt(0));
}

TEST_F(ClipboardTest, PastingIntoTheSourceRenamesAndRenumbers)
{
    int lastGrade = 0;
    int lastOther = 0;
    m_source.GetLastPointId(lastGrade, lastOther);
    paste(copyFrontAndRegion(), m_source);

    ASSERT_EQ(m_source.GetPatternCount(), 3);
    CPattern *pasted = m_source.GetPatternAt(2);
    EXPECT_EQ(pasted->GetPatternName(), "Front1");
    EXPECT_EQ(maskPointAt(*pasted, 0)->GetPointId(), lastGrade + 1);
    EXPECT_EQ(maskPointAt(*pasted, 4)->GetPointId(), lastOther + 1);
    ASSERT_EQ(m_source.GetGradeRegionCount(), 2);
    EXPECT_EQ(m_source.GetGradeRegionAt(1)->GetName(), "R2");

    // The pasted measure takes a free name, and the pasted formula that used it follows.
    EXPECT_EQ(measureOf(m_source, m_front)->GetVarName(), "waist");
    EXPECT_EQ(measureOf(m_source, pasted)->GetVarName(), "m1");
    EXPECT_EQ(pointFormulaOf(m_source, 2)->GetParam(0)->GetValue(), "m1*2");
    EXPECT_EQ(m_pointFormula->GetParam(0)->GetValue(), "waist*2");
}

TEST_F(ClipboardTest, ThePasteIsOneUndoStep)
{
    paste(copyFrontAndRegion(), m_source);
    ASSERT_EQ(m_source.GetFormulaManager()->GetFormulaCount(), 6);

    m_source.GetHistory()->Undo();

    EXPECT_EQ(m_source.GetPatternCount(), 2);
    EXPECT_EQ(m_source.GetGradeRegionCount(), 1);
    EXPECT_EQ(m_source.GetFormulaManager()->GetFormulaCount(), 3);
}

TEST_F(ClipboardTest, TextThatIsNoPayloadIsRefused)
{
    CMVClipboard clipboard;
    EXPECT_FALSE(clipboard.Create("<GradeMask Version=\"2121\"/>"));
    EXPECT_NE(clipboard.GetLastError().find("GradeMask"), std::string::npos);
    EXPECT_FALSE(clipboard.Create("not xml"));
    EXPECT_FALSE(clipboard.GetLastError().empty());
}

TEST_F(ClipboardTest, ACopyThatFailsWhileWritingLeavesTheSourceWhole)
{
    // A formula without its required region, which the point formula needs: writing it is
    // reported, and the report is answered Abort.
    auto withoutRegion = std::make_unique<CGradeRegionFormula>();
    withoutRegion->SetOwner(&m_source);
    IBaseFormula *broken = m_source.GetFormulas().AddFormula(std::move(withoutRegion));
    m_pointFormula->SetReferenced(broken);
    GetXmlErrorReporter().SetQuestion(
        [](const std::string &) { return morvane::XmlErrorAnswer::Abort; });
    std::string text;
    bool written = true;
    {
        CMVClipboard copy;
        copy.Create(&m_source);
        copy.AddClipboardItem(m_front);
        written = copy.GetXmlContent(text);
        EXPECT_NE(copy.GetLastError().find("could not be written"), std::string::npos);
        EXPECT_FALSE(copy.GetXmlContent(text)) << "a failed payload is never handed out";
    }
    GetXmlErrorReporter().SetQuestion(nullptr);

    EXPECT_FALSE(written);
    ASSERT_EQ(m_source.GetPatternCount(), 2);
    EXPECT_EQ(m_source.GetPatternAt(0)->GetPatternName(), "Front");
    EXPECT_EQ(m_source.GetFormulaManager()->GetFormulaCount(), 4);
    EXPECT_EQ(m_pointFormula->GetIndexPoint(1), maskPointAt(*m_front, 2));
    EXPECT_EQ(m_source.GetGradeRegionAt(0)->FindGradeFormula()->GetOwner(), &m_source);
}

TEST(ClipboardInputTest, AnInputPatternIsCopiedAsAMaskPatternMadeFromIt)
{
    GradedSquare square;
    std::string text;
    {
        CMVClipboard copy;
        copy.Create(&square.mask);
        copy.AddClipboardItem(square.pattern());
        ASSERT_TRUE(copy.GetXmlContent(text)) << copy.GetLastError();
    }
    EXPECT_EQ(square.mask.GetPatternCount(), 0);

    CGradeMask target;
    CMVClipboard clipboard;
    ASSERT_TRUE(clipboard.Create(text)) << clipboard.GetLastError();
    clipboard.UpdateMask(target);
    ASSERT_EQ(target.GetPatternCount(), 1);
    EXPECT_EQ(target.GetPatternAt(0)->GetPatternName(), "Front");
    EXPECT_EQ(target.GetPatternAt(0)->GetBasePointCount(), 4);
}
