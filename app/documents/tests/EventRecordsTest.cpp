// Morvane program documents, tests.
// Event records start fully set, and small integers travel as the event data itself.
#include "app/documents/EventRecords.h"

#include <gtest/gtest.h>

using morvane::eventDataInteger;
using morvane::integerEventData;

TEST(EventRecordsTest, RecordsStartWithTheirDefaults)
{
    const MoveFormulaParam move;
    EXPECT_EQ(move.formula, nullptr);
    EXPECT_FALSE(move.towardsStart);
    EXPECT_FALSE(move.measuresOnly);
    EXPECT_EQ(EditFormulaRecord().part, -1);
    EXPECT_EQ(TableSizeParam().size, -1);
    const VIEW_MOUSE_PARAM mouse;
    EXPECT_EQ(mouse.view, nullptr);
    EXPECT_EQ(mouse.reserved, 0);
    EXPECT_EQ(mouse.previousPosition.x, 0.0);
}

TEST(EventRecordsTest, SmallIntegersTravelAsTheDataItself)
{
    for (intptr_t value : {intptr_t{0}, intptr_t{1}, intptr_t{-1}, intptr_t{3}}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(eventDataInteger(integerEventData(value)), value);
    }
    EXPECT_EQ(eventDataInteger(nullptr), 0);
}
