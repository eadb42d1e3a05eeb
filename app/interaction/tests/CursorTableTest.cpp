// Morvane program interaction tests.
// The cursor scheme: the cursor id for the object under the pointer.
#include "app/interaction/testing/ShirtMaskTest.h"

#include <gtest/gtest.h>

using namespace testinteraction;

namespace {

class CursorTableTest : public ShirtMaskTest
{
protected:
    /// The cursor over a focus object of the kind, with a nested object of the detail kind.
    int32_t cursorOver(int32_t kind, int32_t detailKind = 0)
    {
        auto object = CFocusObject::Create(nullptr, kind);
        if (kind != CFocusObject::kNothing)
            object->SetSubObject(nullptr, detailKind);
        document.focus.SetFocusObject(std::move(object));
        return document.cursors.GetCursor();
    }
};

} // namespace

TEST_F(CursorTableTest, TheStandardSchemeFollowsTheKindUnderThePointer)
{
    CCursorTable::FillModeCursors(document.cursors);
    document.cursors.SetDefaultCursor(5);
    struct Row
    {
        const char *name;
        int32_t kind;
        int32_t detailKind;
        int32_t cursor;
    };
    const Row rows[] = {
        {"free space", 0, 0, 0},          {"polyline", 9, 0, 1},
        {"point", 10, 0, 4},              {"pivot", 2, 0, 4},
        {"mask centre", 8, 0, 4},         {"region body", 3, 0, 2},
        {"region edge", 6, 0, 3},         {"region with a line in it", 3, 9, 1},
        {"region with a side", 3, 5, 3},  {"pattern: the default", 1, 0, 5},
        {"selection: the default", 11, 0, 5},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cursorOver(row.kind, row.detailKind), row.cursor);
    }
}

TEST_F(CursorTableTest, AfterClearingEveryKindShowsTheArrow)
{
    CCursorTable::FillModeCursors(document.cursors);
    document.cursors.SetDefaultCursor(5);
    document.cursors.ClearModeCursors();
    for (int32_t kind = 0; kind <= 11; ++kind)
        EXPECT_EQ(cursorOver(kind), CCursorTable::kArrowCursor) << kind;
}

TEST_F(CursorTableTest, AnIdThatNamesNoCursorShowsTheArrow)
{
    document.cursors.SetModeCursor(9, 42);
    EXPECT_EQ(cursorOver(9), CCursorTable::kArrowCursor);
    document.cursors.SetDefaultCursor(9);
    EXPECT_EQ(cursorOver(1), CCursorTable::kArrowCursor);
    document.cursors.SetDefaultCursor(-1);
    EXPECT_EQ(cursorOver(1), CCursorTable::kArrowCursor);
    document.cursors.SetDefaultCursor(8);
    EXPECT_EQ(cursorOver(1), 8);
}

TEST_F(CursorTableTest, ANewDefaultIsToldToTheDocument)
{
    document.cursors.SetDefaultCursor(3);
    document.cursors.SetDefaultCursor(3);
    EXPECT_EQ(document.services.changes7, 2);
    document.cursors.SetModeCursor(1, 2);
    document.cursors.ClearModeCursors();
    EXPECT_EQ(document.services.changes7, 2);
}
