// Morvane panels and grids.
// Prints a grid: pages of its rows under its fixed rows, with a header and a footer.
#pragma once

#include <string>
#include <vector>

#include <QFont>

QT_BEGIN_NAMESPACE
class QPainter;
class QPrinter;
QT_END_NAMESPACE

class CGridCtrl;

/// Prints a grid on a printer. Each page has a header (the title centred, the program's name
/// on the right, a rule), the fixed rows, as many body rows as fit and a footer (a rule,
/// "Page n of m" on the left, the date and time on the right). Sizes are measured in the
/// characters of a 10-point Arial font; the grid's width is squeezed onto the page width. A row
/// taller than a page gets a page of its own and is printed clipped, never lost.
class CGridPrinter
{
public:
    CGridPrinter(const CGridCtrl &grid, std::string title);

    /// Prints every page; returns the number of pages (0 when the printer cannot be used).
    int Print(QPrinter &printer);

private:
    struct Page
    {
        int firstRow;
        int endRow;
    };

    void Paginate(int bodyHeight);
    void PrintPage(QPainter &painter, int pageIndex);
    void PrintRow(QPainter &painter, int row, int top);
    int Scaled(int pixels) const;

    const CGridCtrl &m_rGrid;
    std::string m_sTitle;
    QFont m_oFont;
    int m_nCharWidth = 0;
    int m_nLineHeight = 0;
    int m_nPageWidth = 0;
    int m_nPageHeight = 0;
    double m_dScale = 1.0;
    std::vector<Page> m_aPages;
};
