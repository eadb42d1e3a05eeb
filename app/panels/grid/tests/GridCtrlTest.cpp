// Morvane panels and grids, tests.
// The grid's table, fixed cells, focus and selection by keys, clipboard and sorting.
#include "app/panels/grid/GridCtrl.h"

#include "GridTestSupport.h"

#include <QClipboard>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class GridCtrlTest : public testing::Test
{
protected:
    GridCtrlTest() : m_grid(6, 4, 1, 1)
    {
        m_grid.SetNotifyHandler(m_notes.handler());
        fillAndShow(m_grid);
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&m_grid, key, modifiers);
    }

    CGridCtrl m_grid;
    NotifyRecorder m_notes;
};

} // namespace

TEST_F(GridCtrlTest, KeepsFixedMarksCountsAndModifiedBits)
{
    EXPECT_EQ(m_grid.GetItemState(0, 2) & (CELL_FIXED | CELL_FIXEDROW), CELL_FIXED | CELL_FIXEDROW);
    EXPECT_EQ(m_grid.GetItemState(3, 0) & (CELL_FIXED | CELL_FIXEDCOL), CELL_FIXED | CELL_FIXEDCOL);
    EXPECT_EQ(m_grid.GetItemState(3, 2) & CELL_FIXED, 0u);
    EXPECT_TRUE(m_grid.GetItemState(3, 2) & CELL_MODIFIED);
    m_grid.SetModified(false);
    EXPECT_FALSE(m_grid.GetItemState(3, 2) & CELL_MODIFIED);
    EXPECT_FALSE(m_grid.GetModified());
    m_grid.SetItemText(2, 2, "new");
    EXPECT_TRUE(m_grid.GetItemState(2, 2) & CELL_MODIFIED);
    EXPECT_TRUE(m_grid.GetModified());

    m_grid.SetFocusCell(5, 3);
    m_grid.SetRowCount(3);
    EXPECT_EQ(m_grid.GetFocusCell(), CCellID());
    m_grid.SetFixedRowCount(2);
    m_grid.SetRowCount(1);
    EXPECT_EQ(m_grid.GetFixedRowCount(), 1);
    EXPECT_EQ(m_grid.GetItemText(-1, 0), "");
    EXPECT_EQ(m_grid.GetCell(1, 0), nullptr);
}

TEST_F(GridCtrlTest, InsertsAndDeletesRowsAndColumnsWithinTheRules)
{
    EXPECT_EQ(m_grid.InsertRow("x", 0), -1) << "inside the fixed rows";
    EXPECT_EQ(m_grid.InsertRow("x", 6), -1) << "beyond the rows";
    EXPECT_EQ(m_grid.InsertRow("new", 2), 2);
    EXPECT_EQ(m_grid.GetItemText(2, 0), "new");
    EXPECT_EQ(m_grid.GetItemText(3, 1), "2.1");
    EXPECT_EQ(m_grid.InsertColumn("heading", DT_CENTER, -1), 4);
    EXPECT_EQ(m_grid.GetItemText(0, 4), "heading");
    EXPECT_EQ(m_grid.GetColumnWidth(4), 0);
    EXPECT_TRUE(m_grid.DeleteRow(2));
    EXPECT_EQ(m_grid.GetItemText(2, 1), "2.1");
    m_grid.DeleteNonFixedRows();
    EXPECT_EQ(m_grid.GetRowCount(), 1);
}

TEST_F(GridCtrlTest, ColumnWidthsFollowTheHeadersAndTheTexts)
{
    m_grid.horizontalHeader()->resizeSection(1, 77);
    EXPECT_EQ(m_grid.GetColumnWidth(2), 77) << "a dragged divider keeps its new width";
    m_grid.SetRowCount(7);
    EXPECT_EQ(m_grid.GetColumnWidth(2), 77) << "and keeps it when the rows change";

    m_grid.SetItemText(3, 2, "a much longer text than the others");
    ASSERT_TRUE(m_grid.AutoSizeColumn(2));
    const int fitted = m_grid.GetColumnWidth(2);
    EXPECT_GT(fitted, m_grid.fontMetrics().horizontalAdvance("a much longer text than the others"));
    EXPECT_EQ(m_grid.horizontalHeader()->sectionSize(1), fitted);
    ASSERT_TRUE(m_grid.AutoSizeColumn(2, 1));
    EXPECT_LT(m_grid.GetColumnWidth(2), fitted) << "only the fixed row measured";
    EXPECT_FALSE(m_grid.AutoSizeColumn(9));

    m_grid.SetItemFormat(2, 1, DT_WORDBREAK);
    m_grid.SetItemText(2, 1, "one\ntwo\nthree");
    ASSERT_TRUE(m_grid.AutoSizeRow(2));
    EXPECT_GE(m_grid.GetRowHeight(2), 3 * m_grid.fontMetrics().height());
}

TEST_F(GridCtrlTest, KeysMoveTheFocusSkippingHiddenRowsAndTellTheOwner)
{
    m_grid.SetRowHeight(3, 0);
    m_grid.SetFocusCell(2, 1);
    m_grid.SetSelectedRange({2, 1, 2, 1});
    m_notes.calls.clear();

    press(Qt::Key_Down);
    EXPECT_EQ(m_grid.GetFocusCell(), (CCellID{4, 1}));
    EXPECT_EQ(m_notes.calls, (std::vector<std::string>{"-100 4,1", "-101 4,1"}));

    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(m_grid.GetFocusCell(), (CCellID{5, 1}));
    m_notes.calls.clear();
    press(Qt::Key_Down);
    EXPECT_TRUE(m_notes.calls.empty()) << "the last row: nothing moves, nothing is sent";

    press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(m_grid.GetSelectedCellRange(), (CCellRange{4, 1, 5, 1}));
    EXPECT_TRUE(m_grid.IsCellSelected(4, 1));
    EXPECT_FALSE(m_grid.IsCellSelected(3, 1));

    press(Qt::Key_Up);
    EXPECT_EQ(m_grid.GetFocusCell(), (CCellID{2, 1})) << "row 3 is hidden";
    EXPECT_EQ(m_grid.GetSelectedCellRange(), (CCellRange{2, 1, 2, 1}));
    EXPECT_TRUE(m_grid.GetItemState(2, 1) & CELL_FOCUSED);
    EXPECT_FALSE(m_grid.GetItemState(4, 1) & CELL_FOCUSED);
}

TEST_F(GridCtrlTest, TabWrapsToTheNextRowAndLeavesTheGridAfterTheLastCell)
{
    m_grid.SetFocusCell(1, 3);
    press(Qt::Key_Tab);
    EXPECT_EQ(m_grid.GetFocusCell(), (CCellID{2, 1}));

    m_grid.SetFocusCell(5, 3);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(&m_grid, &tab);
    EXPECT_FALSE(tab.isAccepted()) << "the dialog moves the focus on";
    EXPECT_EQ(m_grid.GetFocusCell(), (CCellID{5, 3}));
}

TEST_F(GridCtrlTest, CopiesTheSelectedRangeAsTabbedLines)
{
    m_grid.SetSelectedRange({1, 1, 2, 2});
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1.1\t1.2\n2.1\t2.2");

    // Cells of the range that are not selected give empty fields; hidden columns nothing.
    m_grid.SetItemState(1, 2, m_grid.GetItemState(1, 2) & ~uint32_t(CELL_SELECTED));
    m_grid.SetSelectedRange({1, 1, 2, 3});
    m_grid.SetItemState(1, 3, m_grid.GetItemState(1, 3) & ~uint32_t(CELL_SELECTED));
    m_grid.SetColumnWidth(2, 0);
    EXPECT_EQ(m_grid.MakeTextDataSource().value(), "1.1\t\n2.1\t2.3");
    m_grid.ClearSelection();
    EXPECT_FALSE(m_grid.MakeTextDataSource().has_value());
}

TEST_F(GridCtrlTest, PastesBackWhatItCopiedAskingTheOwnerPerCell)
{
    m_grid.SetSelectedRange({1, 1, 2, 2});
    m_grid.OnEditCopy();
    m_grid.SetFocusCell(3, 2);
    m_grid.SetSelectedRange({3, 2, 3, 2});
    m_notes.calls.clear();
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_grid.GetItemText(3, 2), "1.1");
    EXPECT_EQ(m_grid.GetItemText(3, 3), "1.2");
    EXPECT_EQ(m_grid.GetItemText(4, 2), "2.1");
    EXPECT_EQ(m_grid.GetItemText(4, 3), "2.2");
    EXPECT_EQ(m_grid.GetSelectedCellRange(), (CCellRange{3, 2, 4, 3}));
    EXPECT_EQ(m_notes.calls.front(), "-105 3,2");
    EXPECT_EQ(m_notes.calls[1], "-106 3,2");

    // A refused end of edit puts the old text back; a read-only start cell takes nothing.
    m_notes.answers[GN_END_EDIT] = -1;
    EXPECT_TRUE(m_grid.PasteTextAt(5, 1, "a,b", false));
    EXPECT_EQ(m_grid.GetItemText(5, 1), "5.1");
    m_grid.SetItemState(5, 2, m_grid.GetItemState(5, 2) | CELL_READONLY);
    EXPECT_FALSE(m_grid.PasteTextAt(5, 2, "c", false));
}

TEST_F(GridCtrlTest, DeleteClearsTheSelectedEditableCells)
{
    m_grid.SetItemState(2, 2, m_grid.GetItemState(2, 2) | CELL_READONLY);
    m_grid.SetFocusCell(2, 1);
    m_grid.SetSelectedRange({2, 1, 2, 2});
    press(Qt::Key_Delete);
    EXPECT_EQ(m_grid.GetItemText(2, 1), "");
    EXPECT_EQ(m_grid.GetItemText(2, 2), "2.2");
}

TEST_F(GridCtrlTest, SortsRowsByAColumnKeepingEqualRowsInOrder)
{
    const char *keys[] = {"pear", "apple", "pear", "fig", "apple"};
    for (int row = 1; row <= 5; ++row) {
        m_grid.SetItemText(row, 2, keys[row - 1]);
        m_grid.SetItemData(row, 1, uintptr_t(row));
    }
    ASSERT_TRUE(m_grid.SortByText(2, true));
    std::vector<std::string> sorted;
    std::vector<uintptr_t> origins;
    for (int row = 1; row <= 5; ++row) {
        sorted.push_back(m_grid.GetItemText(row, 2));
        origins.push_back(m_grid.GetItemData(row, 1));
    }
    EXPECT_EQ(sorted, (std::vector<std::string>{"apple", "apple", "fig", "pear", "pear"}));
    EXPECT_EQ(m_grid.GetItemText(0, 2), "0.2") << "the fixed row stays";
    EXPECT_EQ(m_grid.GetSortColumn(), 2);

    m_grid.SetSortOnHeaderClick(true);
    QHeaderView *header = m_grid.horizontalHeader();
    const int x = header->sectionViewportPosition(1) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
    EXPECT_FALSE(m_grid.GetSortAscending()) << "a second click on the column turns the order";
    EXPECT_EQ(m_grid.GetItemText(1, 2), "pear");
    EXPECT_EQ(m_grid.GetItemText(5, 2), "apple");
}

TEST_F(GridCtrlTest, ClicksAreReportedWithTheirCells)
{
    const QRect cell = m_grid.visualRect(m_grid.model()->index(1, 1));
    m_notes.calls.clear();
    QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(m_notes.calls, (std::vector<std::string>{"-100 2,2", "-101 2,2", "-2 2,2"}));
    EXPECT_EQ(m_grid.GetFocusCell(), (CCellID{2, 2}));

    m_notes.calls.clear();
    QTest::mouseClick(m_grid.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(395, 295));
    EXPECT_EQ(m_notes.calls, (std::vector<std::string>{"-5 -1,-1"}));
}

TEST_F(GridCtrlTest, DrawsTheFixedRowFromItsCells)
{
    m_grid.SetItemBkColour(0, 2, 0x0000FF);
    QApplication::processEvents();
    const QImage image = m_grid.grab().toImage();
    QHeaderView *header = m_grid.horizontalHeader();
    const QPoint inHeader = header->mapTo(&m_grid, QPoint(header->sectionViewportPosition(1) + 3,
                                                           header->height() - 4));
    EXPECT_EQ(image.pixelColor(inHeader), QColor(Qt::red));
    const QPoint otherHeading = header->mapTo(&m_grid, QPoint(header->sectionViewportPosition(0) + 3,
                                                               header->height() - 4));
    EXPECT_NE(image.pixelColor(otherHeading), QColor(Qt::red));
    EXPECT_EQ(header->height(), m_grid.GetRowHeight(0));
}
