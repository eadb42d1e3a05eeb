// Morvane main window, view and interaction, tests.
// Trees and report lists: items found by value, refused selections and the calls they make.
#include "app/ui/frame/ListViewEx.h"
#include "app/ui/frame/TreeViewEx.h"

#include <QTest>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int kLockedType = 99;

/// Refuses to select items of the locked type and records its calls.
class RecordingTree : public CTreeViewEx
{
public:
    std::vector<std::string> m_aCalls;

protected:
    void OnItemSelecting(QTreeWidgetItem *item, bool selecting, bool &flag) override
    {
        if (selecting && GetItemType(item) == kLockedType)
            flag = false;
    }
    void OnItemSelected(QTreeWidgetItem *item, bool selected, bool &) override
    {
        record(selected ? "selected " : "left ", item);
    }
    void OnItemDeleting(QTreeWidgetItem *item, bool &) override { record("deleting ", item); }
    void OnItemClick(QTreeWidgetItem *item, const QPoint &, uint32_t hit, bool &) override
    {
        if (item && hit == TVHT_ONITEMLABEL)
            record("click ", item);
    }

private:
    void record(const char *what, QTreeWidgetItem *item)
    {
        m_aCalls.push_back(what + item->text(0).toStdString());
    }
};

QStringList childTexts(QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

/// A report list whose rows take image 1, refusing to select rows with odd values.
class OddRefusingList : public CListViewEx
{
protected:
    void GetItemImage(int, int &image, int &) override { image = 1; }
    void OnItemSelecting(int index, bool selecting, bool &flag) override
    {
        if (selecting && topLevelItem(index)->data(0, Qt::UserRole).toULongLong() % 2 == 1)
            flag = false;
    }
};

} // namespace

TEST(TreeViewExTest, InsertsAtTheGivenPosition)
{
    RecordingTree tree;
    QTreeWidgetItem *root = tree.AddItem(nullptr, "mask", 1, 4, -1);
    tree.InsertItemAt(root, "A", 2, -1);
    tree.InsertItemAt(root, "B", 3, -1);
    tree.InsertItemAt(root, "C", 4, 0);
    tree.InsertItemAt(root, "D", 5, 1);
    tree.InsertItemAt(root, "E", 6, 99);
    EXPECT_EQ(childTexts(root), (QStringList{"C", "D", "A", "B", "E"}));
    EXPECT_EQ(CTreeViewEx::GetItemType(root), 4);
    EXPECT_EQ(CTreeViewEx::GetItemType(root->child(0)), -1);
}

TEST(TreeViewExTest, FindsItemsByValueBeforeTheFoldersThatShareIt)
{
    RecordingTree tree;
    EXPECT_EQ(tree.FindItemByData(7), nullptr);

    const uintptr_t pattern = 0x1000;
    QTreeWidgetItem *mask = tree.AddItem(nullptr, "mask", 1, 4, -1);
    QTreeWidgetItem *patternItem = tree.AddItem(mask, "front", pattern, 16, -1);
    QTreeWidgetItem *points = tree.AddItem(patternItem, "points", pattern, 19, -1);
    tree.AddItem(patternItem, "lines", pattern, 28, -1);
    QTreeWidgetItem *point = tree.AddItem(points, "P1", 0x2000, 7, -1);

    EXPECT_EQ(tree.FindItemByData(pattern), patternItem);
    EXPECT_EQ(tree.FindItemByDataAndType(pattern, 19), points);
    EXPECT_EQ(CTreeViewEx::FindAncestorByData(point, pattern), points);
    EXPECT_EQ(CTreeViewEx::FindChildByData(mask, 0x2000, 1), nullptr);
    EXPECT_EQ(CTreeViewEx::FindChildByData(patternItem, 0x2000, 1), point);
    EXPECT_EQ(CTreeViewEx::FindDescendantByData(mask, pattern), points);

    tree.DeleteItem(points);
    EXPECT_EQ(tree.FindItemByData(pattern), patternItem);
    EXPECT_EQ(tree.FindItemByData(0x2000), nullptr);
    EXPECT_EQ(tree.m_aCalls, (std::vector<std::string>{"deleting P1", "deleting points"}));
}

TEST(TreeViewExTest, ARefusedSelectionKeepsTheSelectedItem)
{
    RecordingTree tree;
    QTreeWidgetItem *front = tree.AddItem(nullptr, "front", 1, 16, -1);
    QTreeWidgetItem *locked = tree.AddItem(nullptr, "locked", 2, kLockedType, -1);
    QTreeWidgetItem *back = tree.AddItem(nullptr, "back", 3, 16, -1);
    tree.resize(200, 200);
    tree.show();

    tree.SelectItem(front);
    tree.SelectItem(locked);
    EXPECT_EQ(tree.GetSelectedItem(), front);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree.visualItemRect(locked).center());
    EXPECT_EQ(tree.GetSelectedItem(), front);
    EXPECT_EQ(tree.currentItem(), front);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree.visualItemRect(back).center());
    EXPECT_EQ(tree.GetSelectedItem(), back);
    EXPECT_EQ(tree.m_aCalls, (std::vector<std::string>{"selected front", "click locked",
                                                       "left front", "selected back",
                                                       "click back"}));
}

TEST(TreeViewExTest, AReportListGivesImagesFindsRowsAndRefusesSelections)
{
    OddRefusingList list;
    list.SetImageList({QIcon(), QIcon(QPixmap(16, 16))});
    EXPECT_EQ(list.AddItem(0, "second", 4), 0);
    EXPECT_EQ(list.AddItem(0, "first", 3), 0);
    EXPECT_EQ(list.AddItem(9, "third", 8), 2);
    EXPECT_FALSE(list.topLevelItem(0)->icon(0).isNull());
    EXPECT_EQ(list.FindItemByData(8), 2);
    EXPECT_EQ(list.FindItemByData(5), -1);

    list.SelectItem(1);
    EXPECT_EQ(list.GetSelectedItem(), 1);
    list.SelectItem(0);
    EXPECT_EQ(list.GetSelectedItem(), 1);
    list.SelectItem(2);
    EXPECT_EQ(list.GetSelectedItem(), 2);
}
