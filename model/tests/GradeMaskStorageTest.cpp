// Morvane model library tests.
// Grade mask files: saved and loaded back, refused versions and files, and older versions.
#include "MaskFixtures.h"
#include "TemporaryFolder.h"
#include "foundation/FileContent.h"
#include "foundation/TextFormat.h"
#include "foundation/XmlErrorReporter.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace testmodel;

namespace {

void writeFile(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string fileText(const std::filesystem::path &path)
{
    return morvane::readFileContent(path).value_or("");
}

/// Two placed squares, one turned and flipped, with a rule of its own, and two measurement
/// associations, one without a measurement.
void fill(CGradeMask &mask)
{
    mask.SetCenter({12.5, -3});
    CMaskPattern *front = placeSquare(mask, "Front");
    front->SetPatternLocation(100.25, -40.5, 33.3, true);
    front->SetPivotPoint({110, -30});
    CMaskPattern *back = placeSquare(mask, "Back");
    auto *contour = static_cast<CMaskContour *>(back->GetContourAt(0));
    contour->GetAssRule(back->GetBasePointAt(1))->SetTangentError(10.0);
    mask.GetAssociationMap()->Add("waist", "", "Waist Girth");
    mask.GetAssociationMap()->Add("hip", "", " ");
}

} // namespace

TEST(GradeMaskStorageTest, SavedMaskLoadsBackEqual)
{
    const TemporaryFolder folder("mask-storage");
    CGradeMask original;
    fill(original);
    ASSERT_TRUE(original.Save(folder / "first.msk"));
    EXPECT_EQ(original.GetFileName(), folder / "first.msk");
    EXPECT_EQ(original.GetAssociationMap()->GetCount(), 1);

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "first.msk")) << loaded.GetLastError();
    EXPECT_EQ(loaded.GetFileName(), folder / "first.msk");
    EXPECT_EQ(loaded.GetVersion(), CGradeMask::kVersion);
    ASSERT_TRUE(loaded.Save(folder / "second.msk"));
    EXPECT_EQ(fileText(folder / "second.msk"), fileText(folder / "first.msk"));

    ASSERT_EQ(loaded.GetPatternCount(), 2);
    const CMaskPattern *back = loaded.GetMaskPatternAt(1);
    EXPECT_EQ(back->GetGradeMask(), &loaded);
    auto *contour = static_cast<CMaskContour *>(back->GetContourAt(0));
    EXPECT_DOUBLE_EQ(contour->GetAssRule(back->GetBasePointAt(1))->GetTangentError(), 10.0);
    EXPECT_EQ(contour->GetContourLineAt(0)->GetContour(), contour);
    const CMaskPattern *front = loaded.GetMaskPatternAt(0);
    for (int i = 0; i < front->GetBasePointCount(); ++i) {
        SCOPED_TRACE(i);
        const DPOINT before = original.GetPatternAt(0)->GetBasePointAt(i)->GetAbsPosition();
        const DPOINT after = front->GetBasePointAt(i)->GetAbsPosition();
        EXPECT_NEAR(after.x, before.x, 1e-9);
        EXPECT_NEAR(after.y, before.y, 1e-9);
    }
    EXPECT_EQ(front->GetPatternPolylineAt(0)->GetNotchAt(0)->GetPolyline(),
              front->GetPatternPolylineAt(0));
}

TEST(GradeMaskStorageTest, PointsAndNotchesWriteOnlyWhatTheyHave)
{
    const TemporaryFolder folder("mask-storage");
    CGradeMask mask;
    CMaskPattern *pattern = placeSquare(mask, "Front");
    maskPointAt(*pattern, 0)->SetPointID(-1);
    ASSERT_TRUE(mask.Save(folder / "mask.msk"));
    const std::string text = fileText(folder / "mask.msk");
    EXPECT_NE(text.find("<BasePoint BasePointID=\"0\">\n\t\t\t\t\t<GradeType>1</GradeType>\n"
                        "\t\t\t\t\t<x>0.000</x>"),
              std::string::npos);
    EXPECT_NE(text.find("<Id>2</Id>"), std::string::npos);
    EXPECT_EQ(text.find("<Notch>\n\t\t\t\t\t\t\t<Point>"), std::string::npos);
    EXPECT_EQ(text.find("StartContPoint"), std::string::npos);
}

TEST(GradeMaskStorageTest, OnlyVersionsAfter1000AndBefore2200AreRead)
{
    struct Row
    {
        const char *version;
        bool read;
    };
    const Row rows[] = {{"1000", false}, {"1001", true}, {"2199", true},
                        {"2200", false}, {"abc", false}, {"2121", true}};
    const TemporaryFolder folder("mask-storage");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.version);
        const std::filesystem::path path = folder / "version.msk";
        writeFile(path, morvane::format("<GradeMask Version=\"%s\"><CenterX>1.5</CenterX>"
                                        "<CenterY>2</CenterY></GradeMask>",
                                        row.version));
        CGradeMask mask;
        EXPECT_EQ(mask.Load(path), row.read);
        EXPECT_EQ(mask.GetCenter().x, row.read ? 1.5 : 0.0);
        EXPECT_EQ(mask.GetFileName(), row.read ? path : std::filesystem::path());
        EXPECT_EQ(mask.GetVersion(), CGradeMask::kVersion);
        EXPECT_EQ(mask.GetLastError().empty(), row.read);
    }
}

TEST(GradeMaskStorageTest, ARefusedFileLeavesTheMaskAsItWas)
{
    const TemporaryFolder folder("mask-storage");
    CGradeMask mask;
    fill(mask);
    ASSERT_TRUE(mask.Save(folder / "good.msk"));
    const std::string good = fileText(folder / "good.msk");
    struct Row
    {
        const char *name;
        std::string text;
    };
    const Row rows[] = {
        {"truncated", good.substr(0, good.size() / 2)},
        {"not XML", "GradeMask 2121"},
        {"another root", "<Mask Version=\"2121\"><CenterX>1</CenterX></Mask>"},
        {"empty", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeFile(folder / "bad.msk", row.text);
        SourceLog log;
        mask.AddListener(&log);
        EXPECT_FALSE(mask.Load(folder / "bad.msk"));
        mask.RemoveListener(&log);
        EXPECT_TRUE(log.events.empty());
        EXPECT_FALSE(mask.GetLastError().empty());
        EXPECT_EQ(mask.GetFileName(), folder / "good.msk");
        EXPECT_EQ(mask.GetPatternCount(), 2);
        EXPECT_EQ(mask.GetCenter().x, 12.5);
    }
    EXPECT_FALSE(mask.Load(folder / "missing.msk"));
    ASSERT_TRUE(mask.Save(folder / "again.msk"));
    EXPECT_EQ(fileText(folder / "again.msk"), good);
}

TEST(GradeMaskStorageTest, AMaskThatCannotBeWrittenKeepsItsFileName)
{
    const TemporaryFolder folder("mask-storage");
    CGradeMask mask;
    placeSquare(mask, "Front");
    EXPECT_FALSE(mask.Save(folder / "no-such-folder" / "mask.msk"));
    EXPECT_TRUE(mask.GetFileName().empty());
    EXPECT_NE(mask.GetLastError().find("mask.msk"), std::string::npos);
}

namespace {

/// A mask file of that version with one pattern: one line of four grade points whose ends lie
/// 0.36 apart, with a notch on its second point stored 5 along the line (it lies 40 along).
/// The contour, when there is one, is stored open; polylines and contour can be left out.
std::string olderMask(int version, bool withPolylines, bool withContour)
{
    std::string text = morvane::format("<GradeMask Version=\"%d\"><CenterX>0</CenterX>"
                                       "<CenterY>0</CenterY><Patterns><Pattern><sName>Old</sName>"
                                       "<PatternLocation><PosX>0</PosX><PosY>0</PosY>"
                                       "<RotAngle>0</RotAngle><Fliped>0</Fliped>"
                                       "</PatternLocation><BasePoints>",
                                       version);
    const char *corners[] = {"<x>0</x><y>0</y>", "<x>40</x><y>0</y>", "<x>40</x><y>40</y>",
                             "<x>0.3</x><y>0.2</y>"};
    for (int i = 0; i < 4; ++i)
        text += morvane::format("<BasePoint BasePointID=\"%d\"><GradeType>1</GradeType>%s"
                                "</BasePoint>",
                                i, corners[i]);
    text += "</BasePoints>";
    if (withPolylines)
        text += "<Polylines><Polyline PolylineID=\"0\"><LineType>0</LineType><Notches><Notch>"
                "<Point>1</Point><dx>0</dx><dy>1</dy><CurveLength>5</CurveLength></Notch>"
                "</Notches><BasePoints><BasePoint>0</BasePoint><BasePoint>1</BasePoint>"
                "<BasePoint>2</BasePoint><BasePoint>3</BasePoint></BasePoints></Polyline>"
                "</Polylines>";
    if (withContour)
        text += "<Contours><Contour><ContourLines><ContourLine><Polyline>0</Polyline>"
                "<Backward>0</Backward></ContourLine></ContourLines><AssRules/>"
                "<Closed>0</Closed></Contour></Contours>";
    return text + "</Pattern></Patterns></GradeMask>";
}

} // namespace

TEST(GradeMaskStorageTest, OlderFilesAreBroughtUpToDate)
{
    struct Row
    {
        int version;
        bool withPolylines;
        bool withContour;
        const char *contours; // "" none, "+" one closed, "-" one open
        double curveLength;
    };
    const Row rows[] = {
        {2121, true, true, "-", 5.0},   // nothing to do
        {2119, true, true, "-", 40.0},  // the notches measured again
        {2117, true, true, "+", 40.0},  // the contours closed where their ends meet
        {2116, true, false, "+", 40.0}, // the contours built
        {2100, false, false, "", 0.0},  // no polylines stored yet
    };
    const TemporaryFolder folder("mask-storage");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.version);
        writeFile(folder / "old.msk", olderMask(row.version, row.withPolylines, row.withContour));
        CGradeMask mask;
        ASSERT_TRUE(mask.Load(folder / "old.msk")) << mask.GetLastError();
        EXPECT_TRUE(GetXmlErrorReporter().GetMessages().empty());
        EXPECT_EQ(mask.GetVersion(), CGradeMask::kVersion);
        const CMaskPattern *pattern = mask.GetMaskPatternAt(0);
        std::string contours;
        for (int i = 0; i < pattern->GetContourCount(); ++i)
            contours += pattern->GetContourAt(i)->IsClosed() ? "+" : "-";
        EXPECT_EQ(contours, row.contours);
        ASSERT_EQ(pattern->GetPolylineCount() > 0, row.withPolylines);
        if (row.withPolylines) {
            EXPECT_NEAR(pattern->GetPatternPolylineAt(0)->GetNotchAt(0)->GetCurveLength(nullptr),
                        row.curveLength, 1e-9);
        }
    }
}

TEST(GradeMaskStorageTest, AnOlderFileRebuildsContoursThatNoUndoRecordNames)
{
    const TemporaryFolder folder("mask-storage");
    writeFile(folder / "old.msk", olderMask(2116, true, false));
    CGradeMask mask;
    CMaskPattern *square = placeSquare(mask, "Front");
    square->DeletePolyline(0); // records the change of the square's contour
    ASSERT_GT(mask.GetHistory()->GetItemCount(), 0);

    ASSERT_TRUE(mask.Load(folder / "old.msk")) << mask.GetLastError();
    EXPECT_EQ(mask.GetHistory()->GetItemCount(), 0);
    mask.GetHistory()->Undo();
    ASSERT_EQ(mask.GetPatternCount(), 1);
    EXPECT_EQ(mask.GetMaskPatternAt(0)->GetContourCount(), 1);
}

TEST(GradeMaskStorageTest, WhatAPatternNamesOfAnotherIsDropped)
{
    // B's line runs through a point of A, its contour follows A's line and its rule ties A's
    // point to B's.
    const std::string text =
        "<GradeMask Version=\"2121\"><CenterX>0</CenterX><CenterY>0</CenterY><Patterns>"
        "<Pattern><sName>A</sName><PatternLocation><PosX>0</PosX><PosY>0</PosY>"
        "<RotAngle>0</RotAngle><Fliped>0</Fliped></PatternLocation><BasePoints>"
        "<BasePoint BasePointID=\"0\"><GradeType>1</GradeType><x>0</x><y>0</y></BasePoint>"
        "<BasePoint BasePointID=\"1\"><GradeType>1</GradeType><x>9</x><y>0</y></BasePoint>"
        "</BasePoints><Polylines><Polyline PolylineID=\"0\"><LineType>0</LineType>"
        "<BasePoints><BasePoint>0</BasePoint><BasePoint>1</BasePoint></BasePoints></Polyline>"
        "</Polylines></Pattern>"
        "<Pattern><sName>B</sName><PatternLocation><PosX>0</PosX><PosY>0</PosY>"
        "<RotAngle>0</RotAngle><Fliped>0</Fliped></PatternLocation><BasePoints>"
        "<BasePoint BasePointID=\"2\"><GradeType>1</GradeType><x>5</x><y>5</y></BasePoint>"
        "</BasePoints><Polylines><Polyline PolylineID=\"1\"><LineType>0</LineType>"
        "<BasePoints><BasePoint>0</BasePoint><BasePoint>2</BasePoint></BasePoints></Polyline>"
        "</Polylines><MarkPoints><BasePoint>1</BasePoint></MarkPoints><Contours><Contour>"
        "<ContourLines><ContourLine><Polyline>0</Polyline><Backward>0</Backward></ContourLine>"
        "<ContourLine><Polyline>1</Polyline><Backward>0</Backward></ContourLine></ContourLines>"
        "<AssRules><AssRule><ReferentPoint>0</ReferentPoint><CustomShift>0</CustomShift>"
        "<ShiftError>1</ShiftError><CustomTurn>0</CustomTurn><TurnError>1</TurnError>"
        "<CustomTangent>0</CustomTangent><TangentError>1</TangentError>"
        "<PointAssociationType>0</PointAssociationType><SolutionType>0</SolutionType>"
        "<PointMatchType>0</PointMatchType><Point>2</Point></AssRule></AssRules>"
        "<Closed>0</Closed></Contour></Contours></Pattern></Patterns></GradeMask>";
    const TemporaryFolder folder("mask-storage");
    writeFile(folder / "crossed.msk", text);
    CGradeMask mask;
    ASSERT_TRUE(mask.Load(folder / "crossed.msk"));
    const CMaskPattern *b = mask.GetMaskPatternAt(1);
    ASSERT_EQ(b->GetPolylineCount(), 1);
    EXPECT_EQ(b->GetPatternPolylineAt(0)->GetPointCount(), 1);
    EXPECT_EQ(b->GetMarkPointCount(), 0);
    const auto *contour = static_cast<const CMaskContour *>(b->GetContourAt(0));
    ASSERT_EQ(contour->GetContourLineCount(), 1);
    EXPECT_EQ(contour->GetContourLineAt(0)->GetPolyline(), b->GetPatternPolylineAt(0));
    ASSERT_EQ(contour->GetAssRuleCount(), 1);
    EXPECT_FALSE(contour->GetAssRuleAt(0)->HasReferentPoint());
}
