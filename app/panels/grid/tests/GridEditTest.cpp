// Morvane panels and grids, tests.
// Editing cells in place: the owner's veto before and after, and the cell kinds' editors.
#include "app/panels/grid/GridCellCheck.h"
#include "app/panels/grid/GridCellCombo.h"
#include "app/panels/grid/GridCtrl.h"
#include "app/panels/grid/ListGridCtrl.h"

#include "GridTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class GridEditTest : public testing::Test
{
protected:
    GridEditTest() : m_grid(6, 4, 1, 1)
    {
        m_grid.SetNotifyHandler(m_notes.handler());
        fillAndShow(m_grid);
        m_grid.SetModified(false);
        m_notes.calls.clear();
    }

    QRect rectOf(int row, int col) const
    {
        return m_grid.visualRect(m_grid.model()->index(row - 1, col - 1));
    }
    QWidget *editorOf(int row, int col) const
    {
        return m_grid.indexWidget(m_grid.model()->index(row - 1, col - 1));
    }
    void doubleClick(int row, int col)
    {
        QTest::mouseDClick(m_grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                           rectOf(row, col).center());
    }
    /// Ends the edit with key; the delegate takes the text on the next pass of the event loop.
    static void finish(QWidget *editor, Qt::Key key = Qt::Key_Return)
    {
        QTest::keyClick(editor, key);
        QApplication::processEvents();
    }
    std::vector<std::string> editNotes() const
    {
        std::vector<std::string> edits;
        for (const auto &call : m_notes.calls) {
            if (call.starts_with("-105") || call.starts_with("-106"))
                edits.push_back(call);
        }
        return edits;
    }

    CGridCtrl m_grid;
    NotifyRecorder m_notes;
};

} // namespace

TEST_F(GridEditTest, AnEditIsAskedForStoredAndMarked)
{
    doubleClick(2, 2);
    auto *editor = qobject_cast<QLineEdit *>(editorOf(2, 2));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "2.2");
    editor->selectAll();
    QTest::keyClicks(editor, "42");
    finish(editor);
    EXPECT_EQ(m_grid.GetItemText(2, 2), "42");
    EXPECT_TRUE(m_grid.GetItemState(2, 2) & CELL_MODIFIED);
    EXPECT_EQ(editNotes(), (std::vector<std::string>{"-105 2,2", "-106 2,2"}));
}

TEST_F(GridEditTest, TheOwnerCanRefuseBeforeAndAfter)
{
    m_notes.answers[GN_BEGIN_EDIT] = -1;
    doubleClick(2, 2);
    EXPECT_EQ(editorOf(2, 2), nullptr);

    m_notes.answers.clear();
    m_notes.answers[GN_END_EDIT] = -1;
    m_grid.SetFocusCell(3, 1);
    ASSERT_TRUE(m_grid.OnEditCell(3, 1));
    auto *editor = qobject_cast<QLineEdit *>(editorOf(3, 1));
    ASSERT_NE(editor, nullptr);
    editor->setText("refused");
    finish(editor);
    EXPECT_EQ(m_grid.GetItemText(3, 1), "3.1");
    EXPECT_FALSE(m_grid.GetItemState(3, 1) & CELL_MODIFIED);
}

TEST_F(GridEditTest, EscapeOrTheSameTextSendsNoEndOfEdit)
{
    m_grid.SetFocusCell(2, 3);
    ASSERT_TRUE(m_grid.OnEditCell(2, 3));
    auto *editor = qobject_cast<QLineEdit *>(editorOf(2, 3));
    ASSERT_NE(editor, nullptr);
    editor->setText("dropped");
    finish(editor, Qt::Key_Escape);
    EXPECT_EQ(m_grid.GetItemText(2, 3), "2.3");

    ASSERT_TRUE(m_grid.OnEditCell(2, 3));
    finish(editorOf(2, 3));
    EXPECT_EQ(editNotes(), (std::vector<std::string>{"-105 2,3", "-105 2,3"}));
}

TEST_F(GridEditTest, TabEndsTheEditAndGoesOnEditingTheNextCell)
{
    m_grid.SetFocusCell(2, 2);
    ASSERT_TRUE(m_grid.OnEditCell(2, 2));
    auto *editor = qobject_cast<QLineEdit *>(editorOf(2, 2));
    ASSERT_NE(editor, nullptr);
    editor->setText("left");
    finish(editor, Qt::Key_Tab);
    EXPECT_EQ(m_grid.GetItemText(2, 2), "left");
    EXPECT_EQ(m_grid.GetFocusCell(), (CCellID{2, 3}));
    EXPECT_NE(editorOf(2, 3), nullptr);
    EXPECT_EQ(editNotes(), (std::vector<std::string>{"-105 2,2", "-106 2,2", "-105 2,3"}));
}

TEST_F(GridEditTest, ReadOnlyAndFixedCellsOpenNoEditor)
{
    m_grid.SetItemState(4, 2, m_grid.GetItemState(4, 2) | CELL_READONLY);
    doubleClick(4, 2);
    EXPECT_EQ(editorOf(4, 2), nullptr);
    EXPECT_FALSE(m_grid.OnEditCell(0, 2));
    m_grid.OnEndEditCell(9, 9, "nowhere");
    m_grid.SetEditable(false);
    EXPECT_FALSE(m_grid.OnEditCell(2, 2));
    EXPECT_TRUE(editNotes().empty());
}

TEST_F(GridEditTest, TypingStartsAnEditWithTheCharacterAndF2KeepsTheText)
{
    m_grid.SetFocusCell(5, 1);
    m_grid.setFocus();
    QTest::keyClick(&m_grid, Qt::Key_7);
    auto *typed = qobject_cast<QLineEdit *>(editorOf(5, 1));
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->text(), "7");
    finish(typed);
    EXPECT_EQ(m_grid.GetItemText(5, 1), "7");

    m_grid.setFocus();
    QTest::keyClick(&m_grid, Qt::Key_F2);
    auto *kept = qobject_cast<QLineEdit *>(editorOf(5, 1));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->text(), "7");
}

TEST_F(GridEditTest, AChoiceCellEditsWithItsChoices)
{
    m_grid.SetCellType(2, 2, [] {
        auto combo = std::make_unique<CGridCellCombo>();
        combo->SetOptions({"Absolute", "Length", "Step"});
        combo->SetStyle(CBS_DROPDOWNLIST);
        return combo;
    });
    EXPECT_EQ(m_grid.GetItemText(2, 2), "2.2") << "the new cell keeps the contents";
    m_grid.SetItemText(2, 2, "len");
    ASSERT_TRUE(m_grid.OnEditCell(2, 2));
    auto *editor = qobject_cast<QComboBox *>(editorOf(2, 2));
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isEditable());
    EXPECT_EQ(editor->currentText(), "Length") << "the first choice that begins with the text";
    editor->setCurrentIndex(2);
    m_grid.EndEditing();
    EXPECT_EQ(m_grid.GetItemText(2, 2), "Step");
}

TEST_F(GridEditTest, ACheckCellTogglesInItsBoxOnly)
{
    m_grid.SetCellType(3, 2, [] { return std::make_unique<CGridCellCheck>(); });
    auto *check = static_cast<CGridCellCheck *>(m_grid.GetCell(3, 2));
    const QRect cell = rectOf(3, 2);
    QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      check->CheckBoxRect(cell).center());
    EXPECT_TRUE(check->GetCheck());
    QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(cell.right() - 2, cell.center().y()));
    EXPECT_TRUE(check->GetCheck());
}

TEST_F(GridEditTest, ACustomCheckCellAsksTheOwnerBeforeAndAfter)
{
    m_grid.SetCellType(3, 2, [] { return std::make_unique<CCustomCellCheck>(); });
    auto *check = static_cast<CCustomCellCheck *>(m_grid.GetCell(3, 2));
    const QPoint box = check->CheckBoxRect(rectOf(3, 2)).center();

    m_notes.answers[GN_SELECTION_CHANGING] = 1;
    QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_FALSE(check->GetCheck());

    m_notes.answers.clear();
    m_notes.answers[GN_END_EDIT] = -1;
    QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_FALSE(check->GetCheck());

    m_notes.answers.clear();
    QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_TRUE(check->GetCheck());
}

TEST(ListGridCtrlTest, GrowsByColumnsAndRowsWithZeroValues)
{
    CListGridCtrl grid;
    grid.SetFixedRowCount(1);
    EXPECT_EQ(grid.AppendColumn("Name", DT_LEFT, 80), 0);
    EXPECT_EQ(grid.AppendColumn("Value", DT_RIGHT, 60), 1);
    EXPECT_EQ(grid.AppendRow("first"), 1);
    EXPECT_EQ(grid.AppendRow("second"), 2);
    EXPECT_EQ(grid.GetItemText(0, 1), "Value");
    EXPECT_EQ(grid.GetColumnWidth(1), 60);
    EXPECT_EQ(grid.GetItemText(2, 0), "second");
    EXPECT_EQ(grid.GetItemData(2, 1), 0u);

    grid.SetFixedColumnCount(1);
    grid.InsertColumnAt(0, "refused", DT_LEFT, 10);
    EXPECT_EQ(grid.GetColumnCount(), 2);
    grid.InsertRowAt(1, "between");
    EXPECT_EQ(grid.GetItemText(1, 0), "between");
    EXPECT_EQ(grid.GetItemText(2, 0), "first");
}

TEST(ListGridCtrlTest, CutAndPasteDoNothingOnAGridThatIsNotEditable)
{
    CListGridCtrl grid;
    grid.AppendColumn("Name", DT_LEFT, 80);
    grid.AppendRow("kept");
    grid.SetEditable(false);
    grid.SetSelectedRange({0, 0, 0, 0});
    EXPECT_TRUE(grid.CanEditCopy());
    EXPECT_FALSE(grid.CanEditCut());
    grid.OnEditCut();
    EXPECT_EQ(grid.GetItemText(0, 0), "kept");
    EXPECT_FALSE(grid.PasteTextAt(0, 0, "lost", false));
}
