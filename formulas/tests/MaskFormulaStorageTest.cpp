// Morvane formula library tests.
// Formulas in the mask file: saved and loaded with their references, and older files upgraded.
#include "TestFormulas.h"

#include "MaskFixtures.h"
#include "TemporaryFolder.h"
#include "foundation/XmlErrorReporter.h"
#include "formulas/ValidationFormula.h"
#include "foundation/FileContent.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace testformulas;
using testmodel::maskPointAt;

namespace {

void writeFile(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::trunc) << text;
}

void replaceAll(std::string &text, const std::string &from, const std::string &to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

class MaskFormulaStorageTest : public ::testing::Test
{
protected:
    MaskFormulaStorageTest() : m_square(testmodel::placeSquare(m_mask, "Front")) {}

    CFormulaManager &formulas() { return m_mask.GetFormulas(); }

    /// A point formula on point 0 of the square reading points 1 and 2.
    TestFormula *addPointFormula()
    {
        auto *formula = static_cast<TestFormula *>(formulas().AddFormula(
            formulas().MakePointFormula(kPointType, nullptr, maskPointAt(*m_square, 0))));
        formula->SetIndexPoint(0, maskPointAt(*m_square, 1));
        formula->SetIndexPoint(1, maskPointAt(*m_square, 2));
        formula->GetParam(0)->SetValue("waist/2");
        return formula;
    }

    /// The mask saved, then its text turned into that of an older version by edit, loaded into
    /// a new mask.
    std::unique_ptr<CGradeMask> reloadAs(int version, void (*edit)(std::string &) = nullptr)
    {
        const std::filesystem::path path = m_folder / "mask.msk";
        EXPECT_TRUE(m_mask.Save(path)) << m_mask.GetLastError();
        std::string text = morvane::readFileContent(path).value_or("");
        replaceAll(text, "Version=\"2121\"", "Version=\"" + std::to_string(version) + "\"");
        if (edit != nullptr)
            edit(text);
        writeFile(path, text);
        auto loaded = std::make_unique<CGradeMask>();
        EXPECT_TRUE(loaded->Load(path)) << loaded->GetLastError();
        return loaded;
    }

    TestKinds m_kinds;
    TemporaryFolder m_folder{"mask-formulas"};
    CGradeMask m_mask;
    CMaskPattern *m_square;
};

} // namespace

TEST_F(MaskFormulaStorageTest, FormulasComeBackWithTheirPointsAndReferences)
{
    auto *validation = static_cast<CValidationFormula *>(
        formulas().AddFormula(formulas().MakeGlobalFormula(18, nullptr)));
    validation->SetRange(2.5, 7.0);
    TestFormula *formula = addPointFormula();
    formula->SetReferenced(validation);
    formula->GetParam(1)->SetType(1);
    formula->SetTableRelativeType(3);

    const std::filesystem::path path = m_folder / "mask.msk";
    ASSERT_TRUE(m_mask.Save(path)) << m_mask.GetLastError();
    const std::string text = morvane::readFileContent(path).value_or("");
    EXPECT_NE(text.find("<Formulas>"), std::string::npos);
    EXPECT_NE(text.find("<GradeFormula GradeFormulaID=\"0\" ClassName=\"CValidationFormula\">"),
              std::string::npos);
    EXPECT_NE(text.find("<PathFormula>0</PathFormula>"), std::string::npos);
    EXPECT_NE(text.find("<Param value=\"waist/2\" />"), std::string::npos);

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(path)) << loaded.GetLastError();
    CFormulaManager &manager = loaded.GetFormulas();
    ASSERT_EQ(manager.GetFormulaCount(), 2);
    auto *loadedValidation = dynamic_cast<CValidationFormula *>(manager.GetFormulaAt(0));
    auto *loadedFormula = dynamic_cast<TestFormula *>(manager.GetFormulaAt(1));
    ASSERT_NE(loadedValidation, nullptr);
    ASSERT_NE(loadedFormula, nullptr);
    EXPECT_EQ(loadedValidation->GetRangeNegative(), 2.5);
    EXPECT_EQ(loadedValidation->GetRangePositive(), 7.0);
    EXPECT_EQ(loadedFormula->GetReferenced(), loadedValidation);
    const CPattern *pattern = loaded.GetPatternAt(0);
    EXPECT_EQ(loadedFormula->GetBasePoint(), maskPointAt(*pattern, 0));
    EXPECT_EQ(loadedFormula->GetIndexPoint(1), maskPointAt(*pattern, 2));
    EXPECT_EQ(loadedFormula->GetParamText(0), "waist/2");
    EXPECT_EQ(loadedFormula->GetParam(1)->GetType(), 1);
    EXPECT_EQ(loadedFormula->GetTableRelativeType(), 3);
    EXPECT_EQ(loadedFormula->GetOwner(), &loaded);
    EXPECT_EQ(loaded.GetHistory()->GetItemCount(), 0);
}

TEST_F(MaskFormulaStorageTest, AFormulaClassThatIsNotKnownIsSkipped)
{
    addPointFormula();
    formulas().AddFormula(formulas().MakeGlobalFormula(18, nullptr));
    GetXmlErrorReporter().SetQuiet(true);

    std::unique_ptr<CGradeMask> loaded = reloadAs(2121, [](std::string &text) {
        replaceAll(text, "ClassName=\"CTestFormula\"", "ClassName=\"CNoSuchFormula\"");
    });

    GetXmlErrorReporter().SetQuiet(false);
    ASSERT_EQ(loaded->GetFormulas().GetFormulaCount(), 1);
    EXPECT_NE(dynamic_cast<CValidationFormula *>(loaded->GetFormulas().GetFormulaAt(0)), nullptr);
}

TEST_F(MaskFormulaStorageTest, Version2118NamesTheMeasuresThatHaveNoName)
{
    formulas().AddFormula(formulas().MakeGlobalFormula(kMeasureType, nullptr));
    auto *named = static_cast<TestMeasure *>(
        formulas().AddFormula(formulas().MakeGlobalFormula(kMeasureType, nullptr)));
    named->SetVarName("m1");
    formulas().AddFormula(formulas().MakeGlobalFormula(kMeasureType, nullptr));

    const std::unique_ptr<CGradeMask> older = reloadAs(2117);
    const std::unique_ptr<CGradeMask> current = reloadAs(2118);

    auto nameAt = [](CGradeMask &mask, int i) {
        return mask.GetFormulas().GetFormulaAt(i)->AsMeasureFormula()->GetVarName();
    };
    EXPECT_EQ(nameAt(*older, 0), "m2");
    EXPECT_EQ(nameAt(*older, 1), "m1");
    EXPECT_EQ(nameAt(*older, 2), "m3");
    EXPECT_EQ(nameAt(*current, 0), "");
}

TEST_F(MaskFormulaStorageTest, Version2120ReplacesPatternDartsAndRedirectsTheirReferences)
{
    IBaseFormula *dart =
        formulas().AddFormula(formulas().MakePatternFormula(kDartType, nullptr, m_square));
    dart->GetBaseFormula()->GetParam(0)->SetValue("12");
    TestFormula *reader = addPointFormula();
    reader->SetReferenced(dart);

    const std::unique_ptr<CGradeMask> loaded = reloadAs(2119);

    CFormulaManager &manager = loaded->GetFormulas();
    ASSERT_EQ(manager.GetFormulaCount(), 2);
    IBaseFormula *replacement = manager.GetFormulaAt(0);
    EXPECT_EQ(replacement->GetFormulaType(), kComplexDartType);
    EXPECT_EQ(replacement->GetPattern(), loaded->GetPatternAt(0));
    EXPECT_EQ(replacement->GetOwner(), loaded.get());
    EXPECT_EQ(replacement->GetBaseFormula()->GetParamText(0), "12");
    EXPECT_EQ(static_cast<TestFormula *>(manager.GetFormulaAt(1))->GetReferenced(), replacement);
    EXPECT_EQ(loaded->GetHistory()->GetItemCount(), 0);
}

TEST_F(MaskFormulaStorageTest, Version2121ReplacesProportionalFormulasOfPatterns)
{
    IBaseFormula *proportional =
        formulas().AddFormula(formulas().MakePatternFormula(kProportionalType, nullptr, m_square));
    TestFormula *reader = addPointFormula();
    reader->SetReferenced(proportional);

    const std::unique_ptr<CGradeMask> older = reloadAs(2120);
    const std::unique_ptr<CGradeMask> current = reloadAs(2121);

    IBaseFormula *replacement = older->GetFormulas().GetFormulaAt(0);
    EXPECT_EQ(replacement->GetFormulaType(), kRelativeType);
    EXPECT_EQ(replacement->GetAttachKind(), FORMULA_ATTACH_NONE);
    EXPECT_EQ(static_cast<TestFormula *>(older->GetFormulas().GetFormulaAt(1))->GetReferenced(),
              replacement);
    EXPECT_EQ(current->GetFormulas().GetFormulaAt(0)->GetFormulaType(), kProportionalType);
}
