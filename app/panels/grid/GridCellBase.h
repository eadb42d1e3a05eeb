// Morvane panels and grids.
// The abstract cell of a grid: its state bits, and what the grid asks of every cell.
#pragma once

#include <cstdint>
#include <string>

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QPainter;
class QPoint;
class QRect;
class QWidget;
QT_END_NAMESPACE

class CGridCtrl;
class CGridDefaultCell;

/// The state bits of a cell.
enum GRID_CELL_STATE : uint32_t {
    CELL_FOCUSED = 1,
    CELL_SELECTED = 2,
    CELL_DROPHILITED = 4,
    CELL_READONLY = 8,
    CELL_FIXED = 16,
    CELL_FIXEDROW = 32,
    CELL_FIXEDCOL = 64,
    CELL_MODIFIED = 128,
};

/// The colour value that means "the default cell's colour".
inline constexpr uint32_t kDefaultColour = 0xFF000000;

/// A cell of a CGridCtrl. The grid owns its cells, makes them by kind, and asks each one for
/// its contents, its editor and its reaction to clicks. Attributes left at their default value
/// come from the grid's default cell for the cell's position (FindDefaultCell).
class CGridCellBase
{
public:
    virtual ~CGridCellBase() = default;

    virtual void SetText(const std::string &text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(uintptr_t data) = 0;
    virtual void SetState(uint32_t state) { m_nState = state; }
    /// Text format flags (DT_ values, see GridFormat.h); kDefaultFormat: the default cell's.
    virtual void SetFormat(uint32_t format) = 0;
    virtual void SetTextColour(uint32_t colour) = 0;
    virtual void SetBackColour(uint32_t colour) = 0;
    virtual void SetMargin(uint32_t margin) = 0;
    virtual void SetGrid(CGridCtrl *grid) = 0;

    virtual std::string GetText() const = 0;
    virtual int GetImage() const = 0;
    virtual uintptr_t GetData() const = 0;
    virtual uint32_t GetState() const { return m_nState; }
    virtual uint32_t GetFormat() const = 0;
    virtual uint32_t GetTextColour() const = 0;
    virtual uint32_t GetBackColour() const = 0;
    virtual uint32_t GetMargin() const = 0;
    virtual CGridCtrl *GetGrid() const = 0;

    /// The grid's default cell for this cell's place (corner, fixed row, fixed column or
    /// ordinary); null without a grid.
    const CGridDefaultCell *FindDefaultCell() const;

    bool IsFocused() const { return GetState() & CELL_FOCUSED; }
    bool IsSelected() const { return GetState() & CELL_SELECTED; }
    bool IsReadOnly() const { return GetState() & CELL_READONLY; }
    bool IsFixed() const { return GetState() & CELL_FIXED; }
    bool IsFixedRow() const { return GetState() & CELL_FIXEDROW; }
    bool IsFixedColumn() const { return GetState() & CELL_FIXEDCOL; }
    bool IsModified() const { return GetState() & CELL_MODIFIED; }

    /// Takes grid, text, image, value, state, format, colours and margin of other; nothing when
    /// other is this cell.
    void CopyAttributes(const CGridCellBase &other);

    /// Whether the cell is edited in an editor of its own (CreateEditor); false here.
    virtual bool HasEditor() const { return false; }
    /// The editor of the cell as a child of parent; null when the cell has none.
    virtual QWidget *CreateEditor(QWidget *parent) const;
    /// Shows text in an editor that CreateEditor made.
    virtual void SetEditorText(QWidget *editor, const std::string &text) const;
    /// The text in an editor that CreateEditor made.
    virtual std::string GetEditorText(const QWidget *editor) const;
    /// Whether the edited text may be kept; true here.
    virtual bool AcceptEditedText(const std::string &text) const;
    /// Paints what the cell adds over its text (a check box); nothing here.
    virtual void DrawExtras(QPainter *painter, const QRect &rect) const;
    /// A left click released at point in the cell's rectangle rect; nothing here.
    virtual void OnClick(const QPoint &point, const QRect &rect);

protected:
    CGridCellBase() = default;
    CGridCellBase(const CGridCellBase &) = default;
    CGridCellBase &operator=(const CGridCellBase &) = default;

private:
    uint32_t m_nState = 0;
};
