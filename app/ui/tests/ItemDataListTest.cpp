// Morvane main window, view and interaction, tests.
// Lists and choice lists whose entries carry values.
#include "app/ui/frame/ItemDataComboBox.h"
#include "app/ui/frame/ItemDataListBox.h"

#include <gtest/gtest.h>

TEST(ItemDataListTest, MovingAnEntryKeepsItsValueAndItsSelection)
{
    CItemDataListBox list;
    EXPECT_EQ(list.AddItem("front", 10), 0);
    EXPECT_EQ(list.AddItem("back", 20), 1);
    EXPECT_EQ(list.AddItem("sleeve", 30), 2);
    uintptr_t data = 0;
    EXPECT_EQ(list.GetSelectedData(data), -1);

    list.setCurrentRow(2);
    EXPECT_FALSE(list.CanMoveDown(2));
    EXPECT_TRUE(list.CanMoveUp(2));
    list.MoveUp(2);
    EXPECT_EQ(list.GetSelectedData(data), 1);
    EXPECT_EQ(data, 30u);
    EXPECT_EQ(list.item(1)->text(), "sleeve");
    EXPECT_EQ(list.item(2)->text(), "back");
    EXPECT_FALSE(list.CanMoveUp(0));
    EXPECT_TRUE(list.CanMoveDown(0));
}

TEST(ItemDataListTest, AChoiceIsSelectedByItsValue)
{
    CItemDataComboBox choices;
    choices.AddItem("mm", 0);
    choices.AddItem("cm", 2);
    choices.AddItem("inch", 3);
    choices.SelectByData(2);
    uintptr_t data = 0;
    EXPECT_EQ(choices.GetSelectedData(data), 1);
    EXPECT_EQ(data, 2u);
    choices.SelectByData(7);
    EXPECT_EQ(choices.GetSelectedData(data), -1);
}
