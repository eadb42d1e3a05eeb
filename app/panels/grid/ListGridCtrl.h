// Morvane panels and grids.
// The grid that list-like tables start from: built column by column and row by row.
#pragma once

#include "app/panels/grid/GridCtrl.h"

/// A grid that starts empty and grows by columns (heading, format, width) and rows (first
/// cell's text); every cell of a new row or column starts with the user value 0.
class CListGridCtrl : public CGridCtrl
{
    Q_OBJECT

public:
    explicit CListGridCtrl(QWidget *parent = nullptr);
    ~CListGridCtrl() override;

    /// Inserts a column at the end; returns its index.
    int AppendColumn(const std::string &heading, uint32_t format, int width);
    /// A column before index (an index equal to the column count appends) of the width; an
    /// index inside the fixed columns or beyond the columns inserts nothing.
    void InsertColumnAt(int index, const std::string &heading, uint32_t format, int width);
    /// Inserts a row at the end; returns its index.
    int AppendRow(const std::string &text);
    /// A row before index (an index equal to the row count appends); an index inside the fixed
    /// rows or beyond the rows inserts nothing.
    void InsertRowAt(int index, const std::string &text);
};
