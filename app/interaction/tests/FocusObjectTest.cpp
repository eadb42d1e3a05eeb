// Morvane program interaction tests.
// Focus objects: how they are made, compared, copied and asked about their items.
#include "app/interaction/testing/ShirtMaskTest.h"
#include "app/interaction/MultiFocusObject.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"

#include <gtest/gtest.h>

using namespace testinteraction;

namespace {

CObject g_detail;

std::unique_ptr<CFocusObject> make(CObject *item, int32_t kind)
{
    return CFocusObject::Create(item, kind);
}

} // namespace

TEST(FocusObjectTest, CreateMakesTheClassOfTheKindAndNothingOutsideTheKinds)
{
    EXPECT_EQ(make(nullptr, 12), nullptr);
    EXPECT_EQ(make(nullptr, -1), nullptr);
    EXPECT_EQ(make(nullptr, 0)->GetSubObject(), nullptr);
    for (int32_t kind = 1; kind <= 11; ++kind) {
        SCOPED_TRACE(kind);
        const auto object = make(nullptr, kind);
        ASSERT_NE(object->GetSubObject(), nullptr);
        EXPECT_EQ(object->GetSubObjectType(), 0);
        EXPECT_EQ(dynamic_cast<CPolylineFocusObject *>(object.get()) != nullptr, kind == 9);
        EXPECT_EQ(dynamic_cast<CMultiFocusObject *>(object.get()) != nullptr, kind == 11);
    }
}

TEST(FocusObjectTest, PositionsWithinAThousandthAreTheSame)
{
    struct Row
    {
        const char *name;
        DPOINT other;
        bool same;
    };
    const Row rows[] = {
        {"equal", {10, 20}, true},
        {"a thousandth apart", {10.001, 20}, true},
        {"more than a thousandth", {10.0011, 20}, false},
        {"diagonally within", {10.0007, 20.0007}, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto first = make(nullptr, 0);
        const auto second = make(nullptr, 0);
        first->SetPosition({10, 20});
        second->SetPosition(row.other);
        EXPECT_EQ(first->IsSame(*second), row.same);
    }
}

TEST(FocusObjectTest, EachDetailTellsObjectsApart)
{
    struct Row
    {
        const char *name;
        void (*change)(CFocusObject &);
    };
    const Row rows[] = {
        {"point index", [](CFocusObject &o) { o.SetPointIndex(3); }},
        {"line index", [](CFocusObject &o) { o.SetLineIndex(1); }},
        {"contour index", [](CFocusObject &o) { o.SetContourIndex(0); }},
        {"detail object", [](CFocusObject &o) { o.SetDetailObject(&g_detail); }},
        {"size", [](CFocusObject &o) { o.SetSize({0, 3}); }},
        {"nested kind", [](CFocusObject &o) { o.SetSubObject(nullptr, 9); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto first = make(nullptr, 10);
        const auto second = make(nullptr, 10);
        ASSERT_TRUE(first->IsSame(*second));
        row.change(*first);
        EXPECT_FALSE(first->IsSame(*second));
        EXPECT_FALSE(second->IsSame(*first));
    }
}

TEST(FocusObjectTest, ACloneCopiesTheNestedObjectButNotTheSegment)
{
    const auto line = make(nullptr, CFocusObject::kPolyline);
    static_cast<CPolylineFocusObject &>(*line).SetSegmentIndex(4);
    line->SetPosition({1, 2});
    line->SetLocked(true);
    line->SetSize({0, 5});
    line->SetSubObject(nullptr, CFocusObject::kPoint);
    line->GetSubObject()->SetPointIndex(7);

    const auto clone = CFocusObject::Clone(*line);
    EXPECT_EQ(static_cast<CPolylineFocusObject &>(*clone).GetSegmentIndex(), -1);
    EXPECT_TRUE(clone->IsLocked());
    EXPECT_EQ(clone->GetSize(), (morvane::GradeSizeKey{0, 5}));
    ASSERT_NE(clone->GetSubObject(), line->GetSubObject());
    EXPECT_EQ(clone->GetSubObject()->GetPointIndex(), 7);
    EXPECT_FALSE(clone->IsSame(*line));
    static_cast<CPolylineFocusObject &>(*clone).SetSegmentIndex(4);
    EXPECT_TRUE(clone->IsSame(*line));

    const auto other = make(nullptr, CFocusObject::kPoint);
    other->CopyFrom(*line);
    EXPECT_EQ(other->GetType(), CFocusObject::kPoint);
}

TEST(FocusObjectTest, AnEmptySelectionIsNotFromTheMaskButAllOfAnyClass)
{
    CMultiFocusObject selection(nullptr);
    CDRect rect;
    EXPECT_FALSE(selection.IsFromMask());
    EXPECT_TRUE(selection.IsAllOfClass(CFocusObject::kMaskPatternClass));
    EXPECT_FALSE(selection.HasClass(CFocusObject::kMaskPatternClass));
    EXPECT_FALSE(selection.GetRect(rect, nullptr));
    EXPECT_TRUE(selection.IsSame(CMultiFocusObject(nullptr)));
}

TEST(FocusObjectTest, PositionFollowsTheKind)
{
    const auto nothing = make(nullptr, 0);
    const auto pattern = make(nullptr, 1);
    nothing->SetPosition({1, 2});
    pattern->SetPosition({1, 2});
    EXPECT_DOUBLE_EQ(nothing->GetPosition().x, 1);
    EXPECT_DOUBLE_EQ(pattern->GetPosition().x, 0);
    EXPECT_DOUBLE_EQ(pattern->GetHitPosition().x, 1);
}

using FocusObjectOnMaskTest = ShirtMaskTest;

TEST_F(FocusObjectOnMaskTest, ClassesAndMaskMembershipFollowTheItems)
{
    CPattern *maskPattern = mask.GetPatternAt(0);
    CPattern *inputPattern = document.style().inputPatterns().GetPatternAt(0);
    std::unique_ptr<CGradeRegion> made = mask.MakeRegion();
    CGradeRegion *region = made.get();
    mask.InsertGradeRegionAt(0, std::move(made));
    struct Row
    {
        const char *name;
        CObject *item;
        int32_t kind;
        int selectionClass;
        bool fromMask;
    };
    const Row rows[] = {
        {"mask pattern", maskPattern, 1, CFocusObject::kMaskPatternClass, true},
        {"input pattern", inputPattern, 1, CFocusObject::kInputPatternClass, false},
        {"region", region, 3, CFocusObject::kRegionClass, true},
        {"region edge", region, 6, CFocusObject::kRegionClass, true},
        {"mask centre", &mask, 8, CFocusObject::kMaskCentreClass, false},
        {"point", maskPattern->GetBasePointAt(0), 10, CFocusObject::kOtherClass, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto object = make(row.item, row.kind);
        EXPECT_EQ(object->GetSelectionClass(), row.selectionClass);
        EXPECT_EQ(object->IsFromMask(), row.fromMask);
        EXPECT_TRUE(object->RefersTo(row.item));
    }
}

TEST_F(FocusObjectOnMaskTest, ASelectionFindsEntriesByItemOrLineButNeverAPattern)
{
    CPattern *pattern = mask.GetPatternAt(0);
    CPattern *input = document.style().inputPatterns().GetPatternAt(0);
    CMultiFocusObject selection(nullptr);
    selection.Add(make(pattern, CFocusObject::kPattern));
    selection.Add(make(&mask, CFocusObject::kMaskCentre));
    selection.Add(make(input, CFocusObject::kPattern));

    EXPECT_EQ(selection.Find(*make(pattern, CFocusObject::kPattern)), -1);
    EXPECT_EQ(selection.Find(*make(&mask, CFocusObject::kMaskCentre)), 1);
    const auto point = make(nullptr, CFocusObject::kPoint);
    point->SetDetailObject(input);
    EXPECT_EQ(selection.Find(*point), 2);
    EXPECT_TRUE(selection.RefersTo(input));
    EXPECT_FALSE(selection.IsFromMask());
    EXPECT_TRUE(selection.HasClass(CFocusObject::kInputPatternClass));

    CPtrCollection<CPattern> maskPatterns;
    CPtrCollection<CPattern> inputPatterns;
    selection.CollectPatterns(maskPatterns, true);
    selection.CollectPatterns(inputPatterns, false);
    EXPECT_EQ(maskPatterns.GetCount(), 1);
    EXPECT_EQ(maskPatterns.GetAt(0), pattern);
    EXPECT_EQ(inputPatterns.GetAt(0), input);

    CDRect rect;
    EXPECT_TRUE(selection.GetRect(rect, nullptr));
    const CDRect patternRect = pattern->GetAbsRect(nullptr);
    EXPECT_LE(rect.GetMinX(), patternRect.GetMinX());
    EXPECT_GE(rect.GetMaxX(), patternRect.GetMaxX());

    const auto copy = CFocusObject::Clone(selection);
    EXPECT_TRUE(copy->IsSame(selection));
    static_cast<CMultiFocusObject &>(*copy).Remove(0);
    EXPECT_FALSE(copy->IsSame(selection));
}
