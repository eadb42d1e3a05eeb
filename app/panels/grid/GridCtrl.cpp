// Morvane panels and grids.
// The grid control under every grid panel: a table of cells with fixed rows and columns.
#include "app/panels/grid/GridCtrl.h"

#include "app/panels/grid/GridCell.h"
#include "app/panels/grid/GridClipboardText.h"
#include "app/panels/grid/GridDefaultCell.h"
#include "app/panels/grid/GridDelegate.h"
#include "app/panels/grid/GridHeaderView.h"
#include "app/panels/grid/GridModel.h"
#include "app/panels/grid/GridPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace {

// The state bits that the grid's own operations change.
constexpr uint32_t kGridBits = 0xFF;

uint32_t colourOf(const QColor &colour)
{
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

int defaultTextCompare(const CGridCellBase *a, const CGridCellBase *b, uintptr_t)
{
    if (!a || !b)
        return 0;
    return a->GetText().compare(b->GetText());
}

} // namespace

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols, QWidget *parent)
    : QTableView(parent),
      m_fnNewCell([] { return std::make_unique<CGridCell>(); }),
      m_pModel(new GridModel(*this)),
      m_pDefaultCell(std::make_unique<CGridDefaultCell>()),
      m_pDefaultHeaderColumnCell(std::make_unique<CGridDefaultCell>()),
      m_pDefaultHeaderRowCell(std::make_unique<CGridDefaultCell>()),
      m_pDefaultCornerCell(std::make_unique<CGridDefaultCell>())
{
    const QPalette colours = palette();
    for (CGridDefaultCell *defaults : {m_pDefaultCell.get(), m_pDefaultHeaderColumnCell.get(),
                                       m_pDefaultHeaderRowCell.get(), m_pDefaultCornerCell.get()}) {
        defaults->SetGrid(this);
        defaults->SetTextColour(colourOf(colours.color(QPalette::WindowText)));
        defaults->SetBackColour(colourOf(colours.color(QPalette::Button)));
    }
    m_pDefaultCell->SetBackColour(colourOf(colours.color(QPalette::Base)));

    setHorizontalHeader(new GridHeaderView(Qt::Horizontal, *this));
    setVerticalHeader(new GridHeaderView(Qt::Vertical, *this));
    setModel(m_pModel);
    setItemDelegate(new GridDelegate(*this));
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CGridCtrl::SyncSelectionBits);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { SyncFocus(current); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CGridCtrl::OnHeaderClicked);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { TakeSectionSize(Qt::Horizontal, section, size); });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { TakeSectionSize(Qt::Vertical, section, size); });
    if (auto *corner = findChild<QAbstractButton *>())
        corner->installEventFilter(this);

    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

CGridCtrl::~CGridCtrl() = default;

int32_t CGridCtrl::SendNotifyToParent(int row, int col, int32_t code)
{
    return m_fnNotify ? m_fnNotify(code, row, col) : 0;
}

std::unique_ptr<CGridCellBase> CGridCtrl::MakeCell(int row, int col) const
{
    std::unique_ptr<CGridCellBase> cell = m_fnNewCell();
    cell->SetGrid(const_cast<CGridCtrl *>(this));
    MarkFixed(row, col, *cell);
    return cell;
}

void CGridCtrl::MarkFixed(int row, int col, CGridCellBase &cell) const
{
    uint32_t state = cell.GetState() & ~uint32_t(CELL_FIXED | CELL_FIXEDROW | CELL_FIXEDCOL);
    if (row < m_nHeaderRows)
        state |= CELL_FIXED | CELL_FIXEDROW;
    if (col < m_nHeaderColumns)
        state |= CELL_FIXED | CELL_FIXEDCOL;
    cell.SetState(state);
}

void CGridCtrl::RefreshFixedMarks()
{
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            CGridCellBase *cell = GetCell(row, col);
            const uint32_t before = cell->GetState();
            MarkFixed(row, col, *cell);
            if (cell->GetState() != before) {
                cell->SetTextColour(kDefaultColour);
                cell->SetBackColour(kDefaultColour);
            }
        }
    }
}

// Rows and columns changed: the view shows the table afresh, with its sizes and headers.
void CGridCtrl::ResetView()
{
    // The headers fall back to their default sizes on a reset; the stored sizes stay.
    m_bApplyingSizes = true;
    m_pModel->Reset();
    ApplySizes();
}

void CGridCtrl::ApplySizes()
{
    m_bApplyingSizes = true;
    for (int row = m_nHeaderRows; row < GetRowCount(); ++row) {
        const int section = row - m_nHeaderRows;
        setRowHidden(section, m_aRowHeights[row] == 0);
        if (m_aRowHeights[row] > 0)
            verticalHeader()->resizeSection(section, m_aRowHeights[row]);
    }
    for (int col = m_nHeaderColumns; col < GetColumnCount(); ++col) {
        const int section = col - m_nHeaderColumns;
        setColumnHidden(section, m_aColumnWidths[col] == 0);
        if (m_aColumnWidths[col] > 0)
            horizontalHeader()->resizeSection(section, m_aColumnWidths[col]);
    }
    horizontalHeader()->setVisible(m_nHeaderRows > 0);
    verticalHeader()->setVisible(m_nHeaderColumns > 0);
    horizontalHeader()->updateGeometry();
    verticalHeader()->updateGeometry();
    updateGeometries();
    viewport()->update();
    m_bApplyingSizes = false;
}

bool CGridCtrl::SetRowCount(int rows)
{
    if (rows < 0)
        return false;
    if (rows == GetRowCount())
        return true;
    m_nHeaderRows = std::min(m_nHeaderRows, rows);
    if (m_oFocusCell.row >= rows)
        m_oFocusCell = CCellID();
    const int old = GetRowCount();
    m_aRowCells.resize(rows);
    m_aRowHeights.resize(rows, m_pDefaultCell->GetHeight());
    for (int row = old; row < rows; ++row) {
        for (int col = 0; col < GetColumnCount(); ++col)
            m_aRowCells[row].push_back(MakeCell(row, col));
    }
    SetModified();
    ResetView();
    return true;
}

bool CGridCtrl::SetColumnCount(int cols)
{
    if (cols < 0)
        return false;
    if (cols == GetColumnCount())
        return true;
    m_nHeaderColumns = std::min(m_nHeaderColumns, cols);
    if (m_oFocusCell.col >= cols)
        m_oFocusCell = CCellID();
    const int old = GetColumnCount();
    m_aColumnWidths.resize(cols, m_pDefaultCell->GetWidth());
    for (int row = 0; row < GetRowCount(); ++row) {
        m_aRowCells[row].resize(std::min(old, cols));
        for (int col = old; col < cols; ++col)
            m_aRowCells[row].push_back(MakeCell(row, col));
    }
    SetModified();
    ResetView();
    return true;
}

bool CGridCtrl::SetFixedRowCount(int fixedRows)
{
    if (fixedRows < 0)
        return false;
    if (fixedRows == m_nHeaderRows)
        return true;
    ClearSelection();
    if (fixedRows > GetRowCount())
        SetRowCount(fixedRows);
    m_nHeaderRows = fixedRows;
    RefreshFixedMarks();
    ResetView();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int fixedCols)
{
    if (fixedCols < 0)
        return false;
    if (fixedCols == m_nHeaderColumns)
        return true;
    ClearSelection();
    if (fixedCols > GetColumnCount())
        SetColumnCount(fixedCols);
    m_nHeaderColumns = fixedCols;
    RefreshFixedMarks();
    ResetView();
    return true;
}

int CGridCtrl::InsertRow(const std::string &heading, int index)
{
    if (index == -1)
        index = GetRowCount();
    else if (index < m_nHeaderRows || index >= GetRowCount())
        return -1;
    ClearSelection();
    if (GetColumnCount() == 0)
        SetColumnCount(1);
    Row cells;
    for (int col = 0; col < GetColumnCount(); ++col)
        cells.push_back(MakeCell(index, col));
    cells.front()->SetText(heading);
    m_aRowCells.insert(m_aRowCells.begin() + index, std::move(cells));
    const int height = heading.empty() ? m_pDefaultHeaderRowCell->GetHeight()
                                       : fontMetrics().height() * 3 / 2;
    m_aRowHeights.insert(m_aRowHeights.begin() + index, height);
    if (m_oFocusCell.row >= index)
        ++m_oFocusCell.row;
    SetModified();
    ResetView();
    return index;
}

int CGridCtrl::InsertColumn(const std::string &heading, uint32_t format, int index)
{
    if (index == -1)
        index = GetColumnCount();
    else if (index < m_nHeaderColumns || index > GetColumnCount())
        return -1;
    ClearSelection();
    for (int row = 0; row < GetRowCount(); ++row) {
        auto cell = MakeCell(row, index);
        cell->SetFormat(format);
        if (row == 0)
            cell->SetText(heading);
        m_aRowCells[row].insert(m_aRowCells[row].begin() + index, std::move(cell));
    }
    m_aColumnWidths.insert(m_aColumnWidths.begin() + index, 0);
    SetModified();
    ResetView();
    return index;
}

bool CGridCtrl::DeleteRow(int row)
{
    ClearSelection();
    if (row < 0 || row >= GetRowCount())
        return false;
    m_aRowCells.erase(m_aRowCells.begin() + row);
    m_aRowHeights.erase(m_aRowHeights.begin() + row);
    if (row < m_nHeaderRows)
        --m_nHeaderRows;
    if (m_oFocusCell.row == row)
        m_oFocusCell = CCellID();
    else if (m_oFocusCell.row > row)
        --m_oFocusCell.row;
    SetModified();
    ResetView();
    return true;
}

void CGridCtrl::DeleteNonFixedRows()
{
    ClearSelection();
    for (int row = GetRowCount() - 1; row >= m_nHeaderRows; --row)
        DeleteRow(row);
}

void CGridCtrl::DeleteAllItems()
{
    ClearSelection();
    m_aRowCells.clear();
    m_aRowHeights.clear();
    m_aColumnWidths.clear();
    m_oFocusCell = CCellID();
    m_nHeaderRows = 0;
    m_nHeaderColumns = 0;
    SetModified();
    ResetView();
}

bool CGridCtrl::SetCellType(int row, int col, const CellFactory &make)
{
    if (!IsValid(row, col))
        return false;
    std::unique_ptr<CGridCellBase> cell = make();
    cell->CopyAttributes(*m_aRowCells[row][col]);
    m_aRowCells[row][col] = std::move(cell);
    m_pModel->CellChanged(row, col);
    return true;
}

CGridCellBase *CGridCtrl::GetCell(int row, int col) const
{
    return IsValid(row, col) ? m_aRowCells[row][col].get() : nullptr;
}

CGridDefaultCell *CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) const
{
    if (fixedRow && fixedCol)
        return m_pDefaultCornerCell.get();
    if (fixedRow)
        return m_pDefaultHeaderRowCell.get();
    if (fixedCol)
        return m_pDefaultHeaderColumnCell.get();
    return m_pDefaultCell.get();
}

template <class Change>
bool CGridCtrl::ChangeCell(int row, int col, bool markModified, Change change)
{
    CGridCellBase *cell = GetCell(row, col);
    if (!cell)
        return false;
    change(*cell);
    if (markModified)
        SetModified(true, row, col);
    m_pModel->CellChanged(row, col);
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, const std::string &text)
{
    return ChangeCell(row, col, true, [&text](CGridCellBase &cell) { cell.SetText(text); });
}

bool CGridCtrl::SetItemImage(int row, int col, int image)
{
    return ChangeCell(row, col, true, [image](CGridCellBase &cell) { cell.SetImage(image); });
}

bool CGridCtrl::SetItemData(int row, int col, uintptr_t data)
{
    return ChangeCell(row, col, true, [data](CGridCellBase &cell) { cell.SetData(data); });
}

bool CGridCtrl::SetItemFormat(int row, int col, uint32_t format)
{
    return ChangeCell(row, col, false, [format](CGridCellBase &cell) { cell.SetFormat(format); });
}

bool CGridCtrl::SetItemBkColour(int row, int col, uint32_t colour)
{
    return ChangeCell(row, col, false,
                      [colour](CGridCellBase &cell) { cell.SetBackColour(colour); });
}

bool CGridCtrl::SetItemFgColour(int row, int col, uint32_t colour)
{
    return ChangeCell(row, col, false,
                      [colour](CGridCellBase &cell) { cell.SetTextColour(colour); });
}

bool CGridCtrl::SetItemState(int row, int col, uint32_t state)
{
    CGridCellBase *cell = GetCell(row, col);
    if (!cell)
        return false;
    const QModelIndex index = IndexOf(row, col);
    if (index.isValid() && ((state & CELL_SELECTED) != 0) != cell->IsSelected())
        selectionModel()->select(index, state & CELL_SELECTED ? QItemSelectionModel::Select
                                                              : QItemSelectionModel::Deselect);
    cell->SetState(state);
    return true;
}

std::string CGridCtrl::GetItemText(int row, int col) const
{
    const CGridCellBase *cell = GetCell(row, col);
    return cell ? cell->GetText() : std::string();
}

uintptr_t CGridCtrl::GetItemData(int row, int col) const
{
    const CGridCellBase *cell = GetCell(row, col);
    return cell ? cell->GetData() : 0;
}

uint32_t CGridCtrl::GetItemState(int row, int col) const
{
    const CGridCellBase *cell = GetCell(row, col);
    return cell ? cell->GetState() : 0;
}

bool CGridCtrl::IsValid(int row, int col) const
{
    return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
}

bool CGridCtrl::IsValid(const CCellRange &range) const
{
    return range.IsValid() && range.maxRow < GetRowCount() && range.maxCol < GetColumnCount();
}

bool CGridCtrl::IsCellFixed(int row, int col) const
{
    return row < m_nHeaderRows || col < m_nHeaderColumns;
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    const CGridCellBase *cell = GetCell(row, col);
    return m_bEditAllowed && cell && !cell->IsReadOnly();
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    const CGridCellBase *cell = GetCell(row, col);
    return cell && cell->IsSelected();
}

void CGridCtrl::SetModified(bool modified, int row, int col)
{
    if (col >= 0 && col == m_nSortColumn)
        SetSortColumn(-1);
    if (CGridCellBase *cell = GetCell(row, col)) {
        const uint32_t state = cell->GetState();
        cell->SetState(modified ? state | CELL_MODIFIED : state & ~uint32_t(CELL_MODIFIED));
        m_bDirty = m_bDirty || modified;
    } else {
        m_bDirty = modified;
    }
    if (m_bDirty)
        return;
    for (const Row &cells : m_aRowCells) {
        for (const auto &each : cells)
            each->SetState(each->GetState() & ~uint32_t(CELL_MODIFIED));
    }
}

int CGridCtrl::GetRowHeight(int row) const
{
    return row >= 0 && row < GetRowCount() ? m_aRowHeights[row] : -1;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    return col >= 0 && col < GetColumnCount() ? m_aColumnWidths[col] : -1;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= GetRowCount() || height < 0)
        return false;
    m_aRowHeights[row] = height;
    ApplySizes();
    return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= GetColumnCount() || width < 0)
        return false;
    m_aColumnWidths[col] = width;
    ApplySizes();
    return true;
}

int CGridCtrl::GetFixedHeight() const
{
    int height = 0;
    for (int row = 0; row < m_nHeaderRows; ++row)
        height += m_aRowHeights[row];
    return height;
}

int CGridCtrl::GetFixedWidth() const
{
    int width = 0;
    for (int col = 0; col < m_nHeaderColumns; ++col)
        width += m_aColumnWidths[col];
    return width;
}

void CGridCtrl::SetListMode(bool listMode)
{
    ClearSelection();
    SetSortColumn(-1);
    setSelectionBehavior(listMode ? SelectRows : SelectItems);
    viewport()->update();
}

void CGridCtrl::SetSingleRowSelection(bool single)
{
    setSelectionMode(single ? SingleSelection : ExtendedSelection);
}

QModelIndex CGridCtrl::IndexOf(int row, int col) const
{
    return m_pModel->index(row - m_nHeaderRows, col - m_nHeaderColumns);
}

CCellID CGridCtrl::CellOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return CCellID();
    return {index.row() + m_nHeaderRows, index.column() + m_nHeaderColumns};
}

CCellID CGridCtrl::GetCellFromPt(const QPoint &point) const
{
    return CellOf(indexAt(point));
}

void CGridCtrl::TakeSectionSize(Qt::Orientation orientation, int section, int size)
{
    if (m_bApplyingSizes || size == 0)
        return;
    if (orientation == Qt::Horizontal && section + m_nHeaderColumns < GetColumnCount())
        m_aColumnWidths[section + m_nHeaderColumns] = size;
    else if (orientation == Qt::Vertical && section + m_nHeaderRows < GetRowCount())
        m_aRowHeights[section + m_nHeaderRows] = size;
}

bool CGridCtrl::AutoSizeColumn(int col, int flags)
{
    if (col < 0 || col >= GetColumnCount())
        return false;
    const QFontMetrics metrics = fontMetrics();
    int width = 0;
    for (int row = 0; row < GetRowCount(); ++row) {
        const bool measured = row < m_nHeaderRows ? (flags & 1) : (flags & 2);
        const CGridCellBase *cell = GetCell(row, col);
        if (!measured || !cell)
            continue;
        const int text = metrics.horizontalAdvance(QString::fromStdString(cell->GetText()));
        width = std::max(width, text + 4 * int(cell->GetMargin()));
    }
    return SetColumnWidth(col, width);
}

bool CGridCtrl::AutoSizeRow(int row)
{
    if (row < 0 || row >= GetRowCount())
        return false;
    const QFontMetrics metrics = fontMetrics();
    int height = 0;
    for (int col = 0; col < GetColumnCount(); ++col) {
        const CGridCellBase *cell = GetCell(row, col);
        const int margin = int(cell->GetMargin());
        const QRect room(0, 0, std::max(1, m_aColumnWidths[col] - 2 * margin), 1 << 20);
        const QRect text = metrics.boundingRect(room, qtTextFlags(cell->GetFormat()),
                                                QString::fromStdString(cell->GetText()));
        height = std::max(height, text.height() + 2 * margin);
    }
    return SetRowHeight(row, height);
}

void CGridCtrl::EnsureVisible(int row, int col)
{
    const QModelIndex index = IndexOf(row, col);
    if (index.isValid())
        scrollTo(index);
}

void CGridCtrl::RedrawCell(int row, int col)
{
    if (IsCellFixed(row, col)) {
        horizontalHeader()->viewport()->update();
        verticalHeader()->viewport()->update();
        return;
    }
    m_pModel->CellChanged(row, col);
}

void CGridCtrl::SyncSelectionBits(const QItemSelection &selected, const QItemSelection &deselected)
{
    for (const QModelIndex &index : deselected.indexes()) {
        const CCellID cell = CellOf(index);
        if (CGridCellBase *each = GetCell(cell.row, cell.col))
            each->SetState(each->GetState() & ~uint32_t(CELL_SELECTED));
    }
    for (const QModelIndex &index : selected.indexes()) {
        const CCellID cell = CellOf(index);
        if (CGridCellBase *each = GetCell(cell.row, cell.col))
            each->SetState(each->GetState() | CELL_SELECTED);
    }
}

void CGridCtrl::SyncFocus(const QModelIndex &current)
{
    if (CGridCellBase *old = GetCell(m_oFocusCell.row, m_oFocusCell.col))
        old->SetState(old->GetState() & ~uint32_t(CELL_FOCUSED));
    m_oFocusCell = CellOf(current);
    if (CGridCellBase *now = GetCell(m_oFocusCell.row, m_oFocusCell.col))
        now->SetState(now->GetState() | CELL_FOCUSED);
}

CCellID CGridCtrl::SetFocusCell(int row, int col)
{
    const CCellID old = m_oFocusCell;
    if (row != -1)
        row = std::max(row, m_nHeaderRows);
    if (col != -1)
        col = std::max(col, m_nHeaderColumns);
    if (CCellID{row, col} == old)
        return old;
    selectionModel()->setCurrentIndex(IndexOf(row, col), QItemSelectionModel::NoUpdate);
    SyncFocus(IndexOf(row, col));
    return old;
}

void CGridCtrl::SetSelectedRange(const CCellRange &range)
{
    if (!IsValid(range)) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex topLeft = IndexOf(std::max(range.minRow, m_nHeaderRows),
                                        std::max(range.minCol, m_nHeaderColumns));
    const QModelIndex bottomRight = IndexOf(range.maxRow, range.maxCol);
    if (!topLeft.isValid() || !bottomRight.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    CCellRange range{GetRowCount(), GetColumnCount(), -1, -1};
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        const CCellID cell = CellOf(index);
        range.minRow = std::min(range.minRow, cell.row);
        range.minCol = std::min(range.minCol, cell.col);
        range.maxRow = std::max(range.maxRow, cell.row);
        range.maxCol = std::max(range.maxCol, cell.col);
    }
    return range;
}

void CGridCtrl::ClearSelection()
{
    selectionModel()->clearSelection();
    SetFocusCell(-1, -1);
}

void CGridCtrl::SelectAllNonFixed()
{
    SetSelectedRange({m_nHeaderRows, m_nHeaderColumns, GetRowCount() - 1, GetColumnCount() - 1});
}

bool CGridCtrl::OnEditCell(int row, int col)
{
    return edit(IndexOf(row, col), AllEditTriggers, nullptr);
}

bool CGridCtrl::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Qt asks on every click and key whether to edit; only a request that opens an editor
    // goes to the owner. A click on a selected cell asks again when its delay ends.
    const bool opens = trigger == AllEditTriggers || (trigger != SelectedClicked &&
                                                      (editTriggers() & trigger));
    const CCellID cell = CellOf(index);
    if (!opens || state() == EditingState)
        return QTableView::edit(index, trigger, event);
    const CGridCellBase *target = GetCell(cell.row, cell.col);
    if (!target || !target->HasEditor() || !IsCellEditable(cell.row, cell.col))
        return false;
    scrollTo(index);
    if (SendNotifyToParent(cell.row, cell.col, GN_BEGIN_EDIT) < 0)
        return false;
    return QTableView::edit(index, trigger, event);
}

void CGridCtrl::OnEndEditCell(int row, int col, const std::string &text)
{
    const std::string old = GetItemText(row, col);
    if (GetCell(row, col) && text != old)
        KeepEditedText(row, col, old, text);
}

bool CGridCtrl::KeepEditedText(int row, int col, const std::string &old, const std::string &text)
{
    CGridCellBase *cell = GetCell(row, col);
    const uint32_t modifiedBefore = cell->GetState() & CELL_MODIFIED;
    const bool dirtyBefore = m_bDirty;
    SetItemText(row, col, text);
    if (ValidateEdit(row, col, text) && SendNotifyToParent(row, col, GN_END_EDIT) >= 0) {
        SetModified(true, row, col);
        return true;
    }
    SetItemText(row, col, old);
    cell->SetState((cell->GetState() & ~uint32_t(CELL_MODIFIED)) | modifiedBefore);
    m_bDirty = dirtyBefore;
    return false;
}

bool CGridCtrl::ValidateEdit(int row, int col, const std::string &text)
{
    const CGridCellBase *cell = GetCell(row, col);
    return !cell || cell->AcceptEditedText(text);
}

void CGridCtrl::EndEditing()
{
    if (QWidget *editor = indexWidget(currentIndex()))
        commitData(editor);
    if (state() == EditingState)
        closePersistentEditor(currentIndex());
    setFocus();
}

bool CGridCtrl::SetCellTextChecked(int row, int col, const std::string &text)
{
    if (!IsCellEditable(row, col) || SendNotifyToParent(row, col, GN_BEGIN_EDIT) < 0)
        return false;
    const std::string old = GetItemText(row, col);
    return text == old || KeepEditedText(row, col, old, text);
}

std::optional<std::string> CGridCtrl::MakeTextDataSource() const
{
    const CCellRange range = GetSelectedCellRange();
    if (!IsValid(range))
        return std::nullopt;
    std::string text;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (m_aRowHeights[row] == 0)
            continue;
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (m_aColumnWidths[col] == 0)
                continue;
            if (IsCellSelected(row, col))
                text += GetItemText(row, col);
            if (col != range.maxCol)
                text += '\t';
        }
        if (row != range.maxRow)
            text += '\n';
    }
    return text;
}

bool CGridCtrl::PasteTextAt(int row, int col, const std::string &text, bool selectPastedCells)
{
    if (!IsCellEditable(row, col))
        return false;
    CCellRange pasted{row, col, row, col};
    int targetRow = row;
    for (const auto &fields : splitPastedText(text)) {
        while (targetRow < GetRowCount() && m_aRowHeights[targetRow] == 0)
            ++targetRow;
        int targetCol = col;
        for (const auto &field : fields) {
            while (targetCol < GetColumnCount() && m_aColumnWidths[targetCol] == 0)
                ++targetCol;
            if (IsValid(targetRow, targetCol)) {
                SetCellTextChecked(targetRow, targetCol, field);
                pasted.maxRow = std::max(pasted.maxRow, targetRow);
                pasted.maxCol = std::max(pasted.maxCol, targetCol);
            }
            ++targetCol;
        }
        ++targetRow;
    }
    if (selectPastedCells)
        SetSelectedRange(pasted);
    else
        ClearSelection();
    viewport()->update();
    return true;
}

void CGridCtrl::ClearSelectedText()
{
    if (!m_bEditAllowed)
        return;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        const CCellID cell = CellOf(index);
        SetCellTextChecked(cell.row, cell.col, std::string());
    }
}

void CGridCtrl::OnEditCut()
{
    if (!m_bEditAllowed)
        return;
    OnEditCopy();
    ClearSelectedText();
}

void CGridCtrl::OnEditCopy()
{
    if (const auto text = MakeTextDataSource())
        QApplication::clipboard()->setText(QString::fromStdString(*text));
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditAllowed)
        return;
    const CCellRange range = GetSelectedCellRange();
    CCellID target = IsValid(range) ? CCellID{range.minRow, range.minCol} : m_oFocusCell;
    if (!IsValid(target.row, target.col))
        target = GetCellFromPt(QPoint(0, 0));
    if (!IsValid(target.row, target.col))
        return;
    PasteTextAt(target.row, target.col, QApplication::clipboard()->text().toStdString(), true);
}

void CGridCtrl::OnEditSelectAll()
{
    SendNotifyToParent(m_oPressedCell.row, m_oPressedCell.col, GN_SELECTION_CHANGING);
    SelectAllNonFixed();
    SendNotifyToParent(m_oFocusCell.row, m_oFocusCell.col, GN_SELECTION_CHANGED);
}

bool CGridCtrl::CanEditCut() const
{
    return m_bEditAllowed && CanEditCopy();
}

bool CGridCtrl::CanEditCopy() const
{
    return selectionModel()->hasSelection();
}

bool CGridCtrl::CanEditPaste() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return IsCellEditable(m_oFocusCell.row, m_oFocusCell.col) && data && data->hasText();
}

bool CGridCtrl::SortByText(int col, bool ascending, uintptr_t userValue)
{
    return SortItems(m_pfnRowCompare ? m_pfnRowCompare : defaultTextCompare, col, ascending,
                     userValue);
}

bool CGridCtrl::SortItems(CompareFunction compare, int col, bool ascending, uintptr_t userValue)
{
    if (col < 0 || col >= GetColumnCount())
        return false;
    SetSortColumn(col);
    m_bSortAscending = ascending;
    ClearSelection();
    SortRows(compare, col, ascending, userValue, m_nHeaderRows, GetRowCount() - 1);
    ResetView();
    return true;
}

// The quicksort of the grid: rows that compare equal are never swapped.
void CGridCtrl::SortRows(CompareFunction compare, int col, bool ascending, uintptr_t userValue,
                         int low, int high)
{
    if (high <= low)
        return;
    const CGridCellBase *pivot = GetCell((low + high) / 2, col);
    const auto before = [&](int row) {
        const int order = compare(GetCell(row, col), pivot, userValue);
        return ascending ? order < 0 : order > 0;
    };
    const auto after = [&](int row) {
        const int order = compare(GetCell(row, col), pivot, userValue);
        return ascending ? order > 0 : order < 0;
    };
    int i = low;
    int j = high;
    while (i <= j) {
        while (i < high && before(i))
            ++i;
        while (j > low && after(j))
            --j;
        if (i <= j) {
            if (compare(GetCell(i, col), GetCell(j, col), userValue) != 0)
                SwapRows(i, j);
            ++i;
            --j;
        }
    }
    if (low < j)
        SortRows(compare, col, ascending, userValue, low, j);
    if (i < high)
        SortRows(compare, col, ascending, userValue, i, high);
}

void CGridCtrl::SwapRows(int a, int b)
{
    std::swap(m_aRowCells[a], m_aRowCells[b]);
    std::swap(m_aRowHeights[a], m_aRowHeights[b]);
}

void CGridCtrl::SetSortColumn(int col)
{
    m_nSortColumn = col;
    horizontalHeader()->viewport()->update();
}

void CGridCtrl::OnHeaderClicked(int section)
{
    if (!m_bSortOnHeaderClick)
        return;
    const int col = section + m_nHeaderColumns;
    SortByText(col, col == m_nSortColumn ? !m_bSortAscending : true);
}

void CGridCtrl::SetPrintMarginInfo(int header, int footer, int left, int right, int top,
                                   int bottom, int gap)
{
    const auto keep = [](int &field, int value) {
        if (value >= 0)
            field = value;
    };
    keep(m_oPrintMargins.header, header);
    keep(m_oPrintMargins.footer, footer);
    keep(m_oPrintMargins.left, left);
    keep(m_oPrintMargins.right, right);
    keep(m_oPrintMargins.top, top);
    keep(m_oPrintMargins.bottom, bottom);
    keep(m_oPrintMargins.gap, gap);
}

int CGridCtrl::Print(QPrinter &printer, const std::string &title)
{
    return CGridPrinter(*this, title).Print(printer);
}

// The keys that move the focus cell tell the owner before and after the selection changes;
// Tab past the last cell (or Shift+Tab before the first) leaves the grid.
bool CGridCtrl::MoveKey(QKeyEvent *event)
{
    static const std::pair<int, CursorAction> kMoves[] = {
        {Qt::Key_Up, MoveUp},         {Qt::Key_Down, MoveDown},         {Qt::Key_Left, MoveLeft},
        {Qt::Key_Right, MoveRight},   {Qt::Key_Home, MoveHome},         {Qt::Key_End, MoveEnd},
        {Qt::Key_PageUp, MovePageUp}, {Qt::Key_PageDown, MovePageDown}, {Qt::Key_Tab, MoveNext},
        {Qt::Key_Backtab, MovePrevious},
    };
    const auto move = std::find_if(std::begin(kMoves), std::end(kMoves),
                                   [event](const auto &entry) { return entry.first == event->key(); });
    if (move == std::end(kMoves) || !currentIndex().isValid())
        return false;
    const QModelIndex from = currentIndex();
    const QModelIndex to = moveCursor(move->second, event->modifiers());
    const bool wraps = (move->second == MoveNext && to < from) ||
                       (move->second == MovePrevious && from < to);
    if (wraps) {
        // Unaccepted, the key moves the focus on to the next control.
        event->ignore();
        return true;
    }
    if (to == from || !to.isValid())
        return true;
    const CCellID target = CellOf(to);
    SendNotifyToParent(target.row, target.col, GN_SELECTION_CHANGING);
    QTableView::keyPressEvent(event);
    SendNotifyToParent(target.row, target.col, GN_SELECTION_CHANGED);
    return true;
}

void CGridCtrl::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (control && (event->key() == Qt::Key_C || event->key() == Qt::Key_Insert)) {
        OnEditCopy();
    } else if (control && event->key() == Qt::Key_A) {
        OnEditSelectAll();
    } else if ((control && event->key() == Qt::Key_V) || (shift && event->key() == Qt::Key_Insert)) {
        OnEditPaste();
    } else if (control && event->key() == Qt::Key_X) {
        OnEditCut();
    } else if (event->key() == Qt::Key_Delete) {
        ClearSelectedText();
    } else if (!MoveKey(event)) {
        QTableView::keyPressEvent(event);
    }
}

void CGridCtrl::mousePressEvent(QMouseEvent *event)
{
    m_oPressedCell = GetCellFromPt(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        SendNotifyToParent(m_oPressedCell.row, m_oPressedCell.col, GN_SELECTION_CHANGING);
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        SendNotifyToParent(m_oFocusCell.row, m_oFocusCell.col, GN_SELECTION_CHANGED);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        SendNotifyToParent(m_oPressedCell.row, m_oPressedCell.col, GN_CLICK);
    } else if (event->button() == Qt::RightButton) {
        const CCellID cell = GetCellFromPt(event->position().toPoint());
        SendNotifyToParent(cell.row, cell.col, GN_RCLICK);
    }
}

// A double click on a cell opens its editor at once, whatever the clicks before it did.
void CGridCtrl::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid())
        return;
    if (state() != EditingState)
        edit(index, DoubleClicked, event);
    const CCellID cell = CellOf(index);
    SendNotifyToParent(cell.row, cell.col, GN_DBLCLK);
}

// The view's corner shows the cells where the fixed rows meet the fixed columns.
bool CGridCtrl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_nHeaderRows > 0 && m_nHeaderColumns > 0) {
        PaintCorner(static_cast<QWidget *>(watched));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void CGridCtrl::PaintCorner(QWidget *corner)
{
    QPainter painter(corner);
    int top = 0;
    for (int row = 0; row < m_nHeaderRows; ++row) {
        int left = 0;
        for (int col = 0; col < m_nHeaderColumns; ++col) {
            GridHeaderView::PaintCell(&painter, *this, row, col,
                                      QRect(left, top, m_aColumnWidths[col], m_aRowHeights[row]));
            left += m_aColumnWidths[col];
        }
        top += m_aRowHeights[row];
    }
}
