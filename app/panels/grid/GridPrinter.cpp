// Morvane panels and grids.
// Prints a grid: pages of its rows under its fixed rows, with a header and a footer.
#include "app/panels/grid/GridPrinter.h"

#include "app/panels/grid/GridCtrl.h"

#include "lang/LanguageLibrary.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

// The text whose average width is the character width of the page layout.
const char *const kWidthSample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr uint32_t kProgramTitle = 57344;
constexpr double kScreenDotsPerInch = 96.0;

QString programTitle()
{
    const CLanguageLibrary *library = CLanguageLibrary::GetCurrent();
    return library ? QString::fromStdString(library->GetString(kProgramTitle)) : QString();
}

} // namespace

CGridPrinter::CGridPrinter(const CGridCtrl &grid, std::string title)
    : m_rGrid(grid), m_sTitle(std::move(title)), m_oFont(QStringLiteral("Arial"), 10)
{
}

int CGridPrinter::Scaled(int pixels) const
{
    return int(std::lround(pixels * m_dScale));
}

int CGridPrinter::Print(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    painter.setFont(m_oFont);
    const QFontMetrics metrics(m_oFont, &printer);
    m_nCharWidth = metrics.horizontalAdvance(QString::fromLatin1(kWidthSample)) / 52;
    m_nLineHeight = metrics.height();
    const QRect page = painter.viewport();
    m_nPageWidth = page.width();
    m_nPageHeight = page.height();

    const auto &margins = m_rGrid.m_oPrintMargins;
    const int bodyWidth = m_nPageWidth - (margins.left + margins.right) * m_nCharWidth;
    int gridWidth = 0;
    for (int col = 0; col < m_rGrid.GetColumnCount(); ++col)
        gridWidth += m_rGrid.GetColumnWidth(col);
    m_dScale = printer.resolution() / kScreenDotsPerInch;
    if (gridWidth > 0)
        m_dScale = std::min(m_dScale, double(bodyWidth) / gridWidth);

    const int bodyHeight = m_nPageHeight -
                           (margins.header + margins.gap + margins.footer) * m_nLineHeight -
                           Scaled(m_rGrid.GetFixedHeight());
    Paginate(bodyHeight);
    for (int i = 0; i < int(m_aPages.size()); ++i) {
        if (i > 0)
            printer.newPage();
        PrintPage(painter, i);
    }
    painter.end();
    return int(m_aPages.size());
}

// Rows are laid out one after another; a page always takes at least one row.
void CGridPrinter::Paginate(int bodyHeight)
{
    m_aPages.clear();
    const int rows = m_rGrid.GetRowCount();
    int first = m_rGrid.GetFixedRowCount();
    while (first < rows) {
        int end = first;
        int used = 0;
        while (end < rows && (end == first || used + Scaled(m_rGrid.GetRowHeight(end)) <= bodyHeight)) {
            used += Scaled(m_rGrid.GetRowHeight(end));
            ++end;
        }
        m_aPages.push_back({first, end});
        first = end;
    }
    if (m_aPages.empty())
        m_aPages.push_back({first, first});
}

void CGridPrinter::PrintPage(QPainter &painter, int pageIndex)
{
    const auto &margins = m_rGrid.m_oPrintMargins;
    const int left = margins.left * m_nCharWidth;
    const int right = m_nPageWidth - margins.right * m_nCharWidth;

    const QRect header(left, 0, right - left, margins.header * m_nLineHeight);
    painter.setPen(Qt::black);
    painter.drawText(header, Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(m_sTitle));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, programTitle());
    painter.drawLine(left, header.bottom(), right, header.bottom());

    int top = header.bottom() + margins.gap * m_nLineHeight;
    for (int row = 0; row < m_rGrid.GetFixedRowCount(); ++row) {
        PrintRow(painter, row, top);
        top += Scaled(m_rGrid.GetRowHeight(row));
    }
    const int footerTop = m_nPageHeight - margins.footer * m_nLineHeight;
    painter.save();
    painter.setClipRect(QRect(0, top, m_nPageWidth, footerTop - top));
    const Page &page = m_aPages[pageIndex];
    for (int row = page.firstRow; row < page.endRow; ++row) {
        PrintRow(painter, row, top);
        top += Scaled(m_rGrid.GetRowHeight(row));
    }
    painter.restore();

    const QRect footer(left, footerTop, right - left, margins.footer * m_nLineHeight);
    painter.drawLine(left, footer.top(), right, footer.top());
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(pageIndex + 1).arg(m_aPages.size()));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
}

void CGridPrinter::PrintRow(QPainter &painter, int row, int top)
{
    const int height = Scaled(m_rGrid.GetRowHeight(row));
    if (height == 0)
        return;
    int x = m_rGrid.m_oPrintMargins.left * m_nCharWidth;
    for (int col = 0; col < m_rGrid.GetColumnCount(); ++col) {
        const int width = Scaled(m_rGrid.GetColumnWidth(col));
        if (width == 0)
            continue;
        const QRect cell(x, top, width, height);
        const CGridCellBase *each = m_rGrid.GetCell(row, col);
        painter.drawRect(cell);
        if (each) {
            const int margin = Scaled(int(each->GetMargin()));
            painter.drawText(cell.adjusted(margin, 0, -margin, 0), qtTextFlags(each->GetFormat()),
                             QString::fromStdString(each->GetText()));
        }
        x += width;
    }
}
