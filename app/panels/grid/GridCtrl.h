// Morvane panels and grids.
// The grid control under every grid panel: a table of cells with fixed rows and columns.
#pragma once

#include "app/panels/grid/CellID.h"
#include "app/panels/grid/GridCellBase.h"
#include "app/panels/grid/GridFormat.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QIcon>
#include <QList>
#include <QTableView>

QT_BEGIN_NAMESPACE
class QPrinter;
QT_END_NAMESPACE

class CGridDefaultCell;
class GridModel;

/// The codes with which the grid tells its owner what happens.
enum GRID_NOTIFY : int32_t {
    GN_CLICK = -2,               ///< left button released, with the pressed cell
    GN_DBLCLK = -3,              ///< double click on a cell
    GN_RCLICK = -5,              ///< right button released; the cell, or (-1, -1) outside
    GN_SELECTION_CHANGING = -100,
    GN_SELECTION_CHANGED = -101,
    GN_BEGIN_EDIT = -105,        ///< a negative answer keeps the text from changing
    GN_END_EDIT = -106,          ///< a negative answer puts the old text back
};

/// The spreadsheet-like control of the grid panels: rows x columns of cells (CGridCellBase),
/// the first rows and columns fixed as headings that never scroll, a focus cell and selected
/// cells, in-place editing, the clipboard, sorting by a column and printing. It is a QTableView
/// over a model of its non-fixed cells; the fixed rows and columns are drawn by its headers from
/// their cells. Rows and columns of size 0 are hidden. The owner hears of clicks, selection
/// changes and edits through the notify handler, whose answer can refuse an edit.
class CGridCtrl : public QTableView
{
    Q_OBJECT

public:
    using NotifyHandler = std::function<int32_t(int32_t code, int row, int col)>;
    using CellFactory = std::function<std::unique_ptr<CGridCellBase>()>;
    /// Negative when a sorts before b.
    using CompareFunction = int (*)(const CGridCellBase *a, const CGridCellBase *b,
                                    uintptr_t userValue);

    explicit CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0,
                       QWidget *parent = nullptr);
    ~CGridCtrl() override;

    /// The owner's handler of notifications; without one every notification answers 0.
    void SetNotifyHandler(NotifyHandler handler) { m_fnNotify = std::move(handler); }
    int32_t SendNotifyToParent(int row, int col, int32_t code);

    // The table.
    bool SetRowCount(int rows);
    bool SetColumnCount(int cols);
    /// Grows the row count when needed; the new fixed cells are marked fixed, the cells that
    /// stop being fixed lose the marks, and both lose their own colours.
    bool SetFixedRowCount(int fixedRows);
    bool SetFixedColumnCount(int fixedCols);
    int GetRowCount() const { return int(m_aRowHeights.size()); }
    int GetColumnCount() const { return int(m_aColumnWidths.size()); }
    int GetFixedRowCount() const { return m_nHeaderRows; }
    int GetFixedColumnCount() const { return m_nHeaderColumns; }
    /// A row before index (-1: at the end) with heading in its first cell; -1 for an index in
    /// the fixed rows or beyond the rows. Returns the new row's index.
    int InsertRow(const std::string &heading, int index = -1);
    /// A column before index (-1: at the end), heading in row 0, format on all its cells, width
    /// 0 until set; -1 for an index in the fixed columns or beyond the columns.
    int InsertColumn(const std::string &heading, uint32_t format = DT_CENTER | DT_VCENTER |
                                                                  DT_SINGLELINE,
                     int index = -1);
    bool DeleteRow(int row);
    void DeleteNonFixedRows();
    void DeleteAllItems();
    /// Replaces the cell by one that make makes, keeping the old cell's contents.
    bool SetCellType(int row, int col, const CellFactory &make);
    /// The kind of the cells the grid makes from now on (CGridCell at first).
    void SetNewCellClass(CellFactory make) { m_fnNewCell = std::move(make); }

    // Cells.
    CGridCellBase *GetCell(int row, int col) const;
    /// The default cell for a place: the corner, a fixed row, a fixed column or an ordinary one.
    CGridDefaultCell *GetDefaultCell(bool fixedRow, bool fixedCol) const;
    /// These store the value and mark the cell modified; false out of range.
    bool SetItemText(int row, int col, const std::string &text);
    bool SetItemImage(int row, int col, int image);
    bool SetItemData(int row, int col, uintptr_t data);
    /// These store the value without marking the cell; false out of range.
    bool SetItemFormat(int row, int col, uint32_t format);
    bool SetItemBkColour(int row, int col, uint32_t colour);
    bool SetItemFgColour(int row, int col, uint32_t colour);
    /// Stores the state word; its selected bit selects or deselects the cell.
    bool SetItemState(int row, int col, uint32_t state);
    /// Empty, 0 or 0 out of range.
    std::string GetItemText(int row, int col) const;
    uintptr_t GetItemData(int row, int col) const;
    uint32_t GetItemState(int row, int col) const;
    bool IsValid(int row, int col) const;
    bool IsValid(const CCellRange &range) const;
    bool IsCellFixed(int row, int col) const;
    /// Editing allowed and the cell not read-only.
    bool IsCellEditable(int row, int col) const;
    bool IsCellSelected(int row, int col) const;
    /// With no cell: the grid's modified flag. With a cell: its modified bit (and, when set,
    /// the grid's). When the grid ends unmodified, every cell loses its modified bit.
    void SetModified(bool modified = true, int row = -1, int col = -1);
    bool GetModified() const { return m_bDirty; }

    // Rows and columns.
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    /// Height 0 hides the row; false out of range or for a negative height.
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    int GetFixedHeight() const;
    int GetFixedWidth() const;
    /// Fits the column to the widest text of the rows that flags name (1 the fixed rows, 2 the
    /// others, 3 both), with a margin on each side; false for an invalid column.
    bool AutoSizeColumn(int col, int flags = 3);
    /// Fits the row to the tallest text of its cells in their columns' widths, with a margin
    /// above and below; false for an invalid row.
    bool AutoSizeRow(int row);
    /// Scrolls the cell into view.
    void EnsureVisible(int row, int col);
    /// Shows the cell afresh.
    void RedrawCell(int row, int col);
    /// The cell under a point of the viewport; (-1, -1) outside the non-fixed cells.
    CCellID GetCellFromPt(const QPoint &point) const;

    // Settings.
    /// Whole rows are selected; a click on a row heading no longer selects.
    void SetListMode(bool listMode);
    void SetSingleRowSelection(bool single);
    void SetEditable(bool editable) { m_bEditAllowed = editable; }
    bool IsEditable() const { return m_bEditAllowed; }
    void SetSortOnHeaderClick(bool sort) { m_bSortOnHeaderClick = sort; }
    void SetCustomCompare(CompareFunction compare) { m_pfnRowCompare = compare; }
    void SetImageList(const QList<QIcon> &images) { m_aCellImages = images; }
    const QList<QIcon> &GetImageList() const { return m_aCellImages; }

    // Focus and selection.
    /// Rows and columns other than -1 are raised out of the fixed ones; returns the old focus.
    CCellID SetFocusCell(int row, int col);
    CCellID GetFocusCell() const { return m_oFocusCell; }
    /// Selects the cells of range (raised out of the fixed ones) and only them; an invalid
    /// range selects nothing.
    void SetSelectedRange(const CCellRange &range);
    /// The bounding range of the selected cells; (rows, columns, -1, -1) with none.
    CCellRange GetSelectedCellRange() const;
    void ClearSelection();
    void SelectAllNonFixed();

    // Editing.
    /// Opens the cell's editor when the cell is editable and the owner does not refuse
    /// GN_BEGIN_EDIT; the cell is scrolled into view first.
    bool OnEditCell(int row, int col);
    /// Takes edited text: a changed text is stored, then kept when ValidateEdit and the owner's
    /// answer to GN_END_EDIT accept it (the cell is then marked modified), else the old text
    /// comes back and the cell is as it was. An unchanged text sends nothing.
    virtual void OnEndEditCell(int row, int col, const std::string &text);
    /// The cell's AcceptEditedText; true out of range.
    virtual bool ValidateEdit(int row, int col, const std::string &text);
    /// Closes an open editor, keeping its text.
    void EndEditing();
    /// Changes an editable cell's text as an edit does, asking the owner before and after.
    bool SetCellTextChecked(int row, int col, const std::string &text);

    // Clipboard.
    /// The selected range as text: a line per row of non-zero height, a field per column of
    /// non-zero width, fields split by "\t", lines by "\n"; unselected cells give empty
    /// fields. None without a selection.
    std::optional<std::string> MakeTextDataSource() const;
    /// Pastes text from (row, col) on, skipping hidden rows and columns; false when the cell is
    /// not editable. With selectPastedCells the pasted cells are selected.
    virtual bool PasteTextAt(int row, int col, const std::string &text, bool selectPastedCells);
    virtual void ClearSelectedText();
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    bool CanEditCut() const;
    bool CanEditCopy() const;
    bool CanEditPaste() const;
    bool CanEditSelectAll() const { return true; }

    // Sorting.
    /// Sorts the non-fixed rows by the column with the custom compare, or by text (byte-wise);
    /// rows that compare equal keep their order. Clears the selection and the focus cell.
    bool SortByText(int col, bool ascending, uintptr_t userValue = 0);
    bool SortItems(CompareFunction compare, int col, bool ascending, uintptr_t userValue);
    int GetSortColumn() const { return m_nSortColumn; }
    bool GetSortAscending() const { return m_bSortAscending; }

    // Printing.
    /// Header, footer, left and right margins, top and bottom margins (kept, unused) and the
    /// gap below the header, in lines or characters; -1 keeps a value.
    void SetPrintMarginInfo(int header, int footer, int left, int right, int top, int bottom,
                            int gap);
    /// Prints the grid on printer, with title centred in the header; returns the page count.
    int Print(QPrinter &printer, const std::string &title);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class GridModel;
    friend class CGridPrinter;

    using Row = std::vector<std::unique_ptr<CGridCellBase>>;

    /// Applies change to the cell, marks it modified when asked and shows it afresh; false out
    /// of range.
    template <class Change>
    bool ChangeCell(int row, int col, bool markModified, Change change);
    /// Stores text in place of old, and keeps it when ValidateEdit and the owner's answer to
    /// GN_END_EDIT accept it; else old comes back, with the modified marks it had.
    bool KeepEditedText(int row, int col, const std::string &old, const std::string &text);
    std::unique_ptr<CGridCellBase> MakeCell(int row, int col) const;
    void MarkFixed(int row, int col, CGridCellBase &cell) const;
    void RefreshFixedMarks();
    void ResetView();
    void ApplySizes();
    QModelIndex IndexOf(int row, int col) const;
    CCellID CellOf(const QModelIndex &index) const;
    /// Keeps the stored size of a row or column that the user dragged to a new size.
    void TakeSectionSize(Qt::Orientation orientation, int section, int size);
    void SyncSelectionBits(const QItemSelection &selected, const QItemSelection &deselected);
    void SyncFocus(const QModelIndex &current);
    void SortRows(CompareFunction compare, int col, bool ascending, uintptr_t userValue, int low,
                  int high);
    void SwapRows(int a, int b);
    void SetSortColumn(int col);
    void OnHeaderClicked(int section);
    bool MoveKey(QKeyEvent *event);
    void PaintCorner(QWidget *corner);

    NotifyHandler m_fnNotify;
    CellFactory m_fnNewCell;
    GridModel *m_pModel;
    std::vector<Row> m_aRowCells;
    std::vector<int> m_aRowHeights;
    std::vector<int> m_aColumnWidths;
    int m_nHeaderRows = 0;
    int m_nHeaderColumns = 0;
    std::unique_ptr<CGridDefaultCell> m_pDefaultCell;
    std::unique_ptr<CGridDefaultCell> m_pDefaultHeaderColumnCell;
    std::unique_ptr<CGridDefaultCell> m_pDefaultHeaderRowCell;
    std::unique_ptr<CGridDefaultCell> m_pDefaultCornerCell;
    QList<QIcon> m_aCellImages;
    CCellID m_oFocusCell;
    bool m_bEditAllowed = true;
    bool m_bDirty = false;
    bool m_bSortOnHeaderClick = false;
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
    CompareFunction m_pfnRowCompare = nullptr;
    CCellID m_oPressedCell;
    bool m_bApplyingSizes = false;
    struct PrintMargins
    {
        int header = 2;
        int footer = 2;
        int left = 4;
        int right = 4;
        int top = 1;
        int bottom = 1;
        int gap = 1;
    } m_oPrintMargins;
};
