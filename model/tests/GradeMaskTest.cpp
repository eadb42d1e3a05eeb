// Morvane model library tests.
// The grade mask: centre, names, patterns with their undo records, and the association maps.
#include "MaskFixtures.h"
#include "PatternFixtures.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;


std::unique_ptr<CMaskPattern> watched(bool &deleted, const std::string &name)
{
    auto pattern = std::make_unique<Watched<CMaskPattern>>(deleted);
    pattern->SetPatternName(name);
    return pattern;
}

Texts patternNames(const CGradeMask &mask)
{
    Texts names;
    for (int i = 0; i < mask.GetPatternCount(); ++i)
        names.push_back(mask.GetPatternAt(i)->GetPatternName());
    return names;
}

} // namespace

TEST(GradeMaskTest, SettingTheSameCentreSendsNothing)
{
    CGradeMask mask;
    SourceLog log;
    mask.AddListener(&log);
    mask.SetCenter({0, 0});
    mask.SetCenter({10, 5});
    mask.SetCenter({10, 5});
    mask.RemoveListener(&log);
    EXPECT_EQ(log.events, (Texts{"4:1:0", "8:1:0"}));
    double x = 0;
    double y = 0;
    mask.GetCenterPlace()->GetGradePlace(nullptr, x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 5);
}

TEST(GradeMaskTest, ValidPatternNamesAndFindsIgnoreCase)
{
    CGradeMask mask;
    placeSquare(mask, "Front");
    placeSquare(mask, "front1");
    EXPECT_EQ(mask.GetValidPatternName("Front"), "Front2");
    EXPECT_EQ(mask.GetValidPatternName("FRONT1"), "FRONT11");
    EXPECT_EQ(mask.GetValidPatternName("Back"), "Back");
    EXPECT_EQ(mask.FindPattern("FRONT"), 0);
    EXPECT_EQ(mask.FindPattern("Front1"), 1);
    EXPECT_EQ(mask.FindPattern("Back"), -1);
}

TEST(GradeMaskTest, PointsAreFoundAndCountedOverAllPatterns)
{
    CGradeMask mask;
    placeSquare(mask, "Front");
    CMaskPattern *back = placeSquare(mask, "Back");
    back->AddPoint({5, 5}, GRADE_POINT_GRADE);
    back->AddPoint({6, 5}, GRADE_POINT_INTERMEDIATE);
    int grade = -1;
    int other = -1;
    mask.GetLastPointId(grade, other);
    // The squares are numbered P1 to P4 and I1, then P5 to P8 and I2.
    EXPECT_EQ(grade, 9);
    EXPECT_EQ(other, 3);
    EXPECT_EQ(mask.FindBasePoint("P9"), back->GetBasePointAt(5));
    EXPECT_EQ(mask.FindBasePoint("P1"), mask.GetPatternAt(0)->GetBasePointAt(0));
    EXPECT_EQ(mask.FindBasePoint("P10"), nullptr);
}

TEST(GradeMaskTest, AnUndoneInsertionIsDeletedByTheNextChange)
{
    CGradeMask mask;
    bool deleted = false;
    mask.InsertPatternAt(0, watched(deleted, "Front"));
    mask.GetHistory()->Undo();
    EXPECT_EQ(mask.GetPatternCount(), 0);
    EXPECT_FALSE(deleted);
    placeSquare(mask, "Back");
    EXPECT_TRUE(deleted);
    mask.GetHistory()->Redo();
    EXPECT_EQ(patternNames(mask), (Texts{"Back"}));
}

TEST(GradeMaskTest, ARemovedPatternLivesUntilItCanNoLongerComeBack)
{
    CGradeMask mask;
    bool deleted = false;
    mask.InsertPatternAt(0, watched(deleted, "Front"));
    mask.RemovePatternAt(0);
    EXPECT_FALSE(deleted);
    mask.GetHistory()->Undo();
    mask.GetHistory()->Clear();
    EXPECT_FALSE(deleted);
    EXPECT_EQ(patternNames(mask), (Texts{"Front"}));

    mask.RemovePatternAt(0);
    mask.GetHistory()->Clear();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(mask.GetPatternCount(), 0);
}

TEST(GradeMaskTest, NestedGroupsAreUndoneAsOne)
{
    CGradeMask mask;
    CHistory *history = mask.GetHistory();
    history->BeginGroup();
    placeSquare(mask, "Front");
    history->BeginGroup();
    placeSquare(mask, "Back");
    mask.RemovePatternAt(0);
    history->EndGroup();
    history->EndGroup();
    EXPECT_EQ(history->GetItemCount(), 1);
    EXPECT_EQ(patternNames(mask), (Texts{"Back"}));
    history->Undo();
    EXPECT_EQ(mask.GetPatternCount(), 0);
    history->Redo();
    EXPECT_EQ(patternNames(mask), (Texts{"Back"}));
}

TEST(GradeMaskTest, ClearingPatternsIsOneUndoableChange)
{
    CGradeMask mask;
    placeSquare(mask, "Front");
    placeSquare(mask, "Back");
    mask.ClearPatterns();
    EXPECT_EQ(mask.GetPatternCount(), 0);
    mask.GetHistory()->Undo();
    EXPECT_EQ(patternNames(mask), (Texts{"Front", "Back"}));
}

// A mask with two patterns, associated with each other and with a third pattern's points.
class MaskAssociationTest : public ::testing::Test
{
protected:
    MaskAssociationTest()
    {
        input.m_sName = "Input";
        input.AddPoint(0, 0);
        input.AddPoint(40, 0);
        int grade = 0;
        int other = 0;
        input.SetPointsId(grade, other);
        front = placeSquare(mask, "Front");
        back = placeSquare(mask, "Back");
        map->AddAssociation(maskPointAt(*front, 0), input.BasePoints().GetAt(0));
        map->AddAssociation(maskPointAt(*front, 1), input.BasePoints().GetAt(1));
        map->AddAssociation(maskPointAt(*back, 2), front->GetBasePointAt(2));
    }

    /// Each pattern's associated patterns and the partners of its points, as
    /// "Front: Input | P1>P1 P2>P2".
    Texts links() const
    {
        Texts texts;
        for (int i = 0; i < mask.GetPatternCount(); ++i) {
            CPattern *pattern = mask.GetPatternAt(i);
            std::string text = pattern->GetPatternName() + ":";
            CPtrCollection<CPattern> associated;
            pattern->GetAssPatterns(associated);
            for (const CPattern *other : associated)
                text += " " + other->GetPatternName();
            text += " |";
            for (int k = 0; k < pattern->GetBasePointCount(); ++k) {
                const CBasePoint *partner = pattern->GetBasePointAt(k)->GetAssociatedPoint();
                if (partner != nullptr)
                    text += " " + pattern->GetBasePointAt(k)->GetFormatName() + ">" +
                            partner->GetFormatName();
            }
            texts.push_back(text);
        }
        return texts;
    }

    CGradeMask mask;
    IPointAssociationMap *map = mask.GetPointAssociationMap();
    TestPattern input;
    CMaskPattern *front = nullptr;
    CMaskPattern *back = nullptr;
};

TEST_F(MaskAssociationTest, ChangesOfOnePointNameItAsTheActiveItem)
{
    ASSERT_EQ(links(), (Texts{"Front: Input | P1>P1 P2>P2", "Back: Front | P7>P3"}));
    SourceLog log;
    mask.AddListener(&log);
    map->RemoveAssociation(maskPointAt(*front, 0), input.BasePoints().GetAt(1));
    map->RemoveAssociation(maskPointAt(*front, 0), input.BasePoints().GetAt(0));
    EXPECT_EQ(map->GetActiveItem(), maskPointAt(*front, 0));
    map->ClearMaskPointAssociations(maskPointAt(*front, 0));
    map->ClearMaskPointAssociations(maskPointAt(*front, 1));
    EXPECT_EQ(map->GetActiveItem(), maskPointAt(*front, 1));
    map->ClearAll();
    map->ClearAll();
    mask.RemoveListener(&log);
    EXPECT_EQ(log.events,
              (Texts{"4:8:0", "8:8:0", "4:8:0", "8:8:0", "4:8:-1", "8:8:-1", "4:8:-1", "8:8:-1"}));
    EXPECT_EQ(map->GetActiveItem(), nullptr);
    EXPECT_EQ(links(), (Texts{"Front: Input |", "Back: Front |"}));
}

TEST_F(MaskAssociationTest, RemovingAPatternIsUndoneWithItsLinks)
{
    const Texts before = links();
    mask.RemovePatternAt(0);
    EXPECT_EQ(links(), (Texts{"Back: |"}));
    mask.GetHistory()->Undo();
    EXPECT_EQ(links(), before);
    mask.GetHistory()->Redo();
    EXPECT_EQ(links(), (Texts{"Back: |"}));
}

TEST_F(MaskAssociationTest, TheActiveItemNeverOutlivesItsPoint)
{
    CHistory *history = mask.GetHistory();
    CBasePoint *partner = input.BasePoints().GetAt(0);

    // A point whose insertion is undone, then deleted by the next change.
    const int added = front->AddPoint({5, 5}, GRADE_POINT_GRADE);
    map->AddAssociation(maskPointAt(*front, added), partner);
    history->Undo();
    EXPECT_EQ(map->GetActiveItem(), nullptr);
    front->AddPoint({7, 7}, GRADE_POINT_GRADE);

    // A point deleted again by a redo.
    back->DeleteBasePoint(0);
    history->Undo();
    map->AddAssociation(maskPointAt(*back, 0), partner);
    history->Redo();
    EXPECT_EQ(map->GetActiveItem(), nullptr);

    // A pattern whose insertion is undone, then deleted.
    CMaskPattern *third = placeSquare(mask, "Third");
    map->AddAssociation(maskPointAt(*third, 0), partner);
    history->Undo();
    EXPECT_EQ(map->GetActiveItem(), nullptr);
    history->DeleteRedoItems();

    // Removing a pattern asks the active item for its pattern.
    map->AddAssociation(maskPointAt(*front, 0), partner);
    mask.RemovePatternAt(1);
    EXPECT_EQ(map->GetActiveItem(), maskPointAt(*front, 0));
    mask.RemovePatternAt(0);
    EXPECT_EQ(map->GetActiveItem(), nullptr);
}

TEST_F(MaskAssociationTest, ReleasingAllDropsEveryLinkWithoutRecording)
{
    const int records = mask.GetHistory()->GetItemCount();
    mask.GetPatternAssociationMap()->ReleaseAll();
    EXPECT_EQ(links(), (Texts{"Front: |", "Back: |"}));
    EXPECT_EQ(mask.GetHistory()->GetItemCount(), records);
}

TEST_F(MaskAssociationTest, ClearEmptiesTheMaskBetweenUpdateEvents)
{
    mask.SetCenter({3, 4});
    SourceLog log;
    mask.AddListener(&log);
    mask.Clear();
    mask.RemoveListener(&log);
    EXPECT_EQ(log.events, (Texts{"16:1:0", "32:1:0"}));
    EXPECT_EQ(mask.GetPatternCount(), 0);
    EXPECT_EQ(mask.GetCenter().x, 0);
    EXPECT_EQ(mask.GetCenter().y, 0);
    EXPECT_EQ(mask.GetHistory()->GetItemCount(), 0);
}
