// Morvane panels and grids, tests.
// A grid printed to PDF: its pages and their count.
#include "app/panels/grid/ListGridCtrl.h"

#include "TemporaryFolder.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

int pdfPageCount(const QString &file)
{
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(pdf.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

/// A printer writing an A4 portrait PDF into file.
void toPdf(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(300);
}

} // namespace

TEST(GridPrintTest, AGridLongerThanAPageSpansTwoPages)
{
    const TemporaryFolder folder("grid-print");
    CListGridCtrl grid;
    grid.AppendColumn("Measure", DT_LEFT, 120);
    grid.AppendColumn("Value", DT_RIGHT, 80);
    grid.SetFixedRowCount(1);
    for (int row = 1; row <= 60; ++row)
        grid.AppendRow("measure " + std::to_string(row));

    QPrinter printer(QPrinter::HighResolution);
    const QString file = QString::fromStdString((folder / "grid.pdf").string());
    toPdf(printer, file);
    EXPECT_EQ(grid.Print(printer, "Measures"), 2);
    EXPECT_EQ(pdfPageCount(file), 2);
}

TEST(GridPrintTest, ARowTallerThanAPageGetsAPageOfItsOwn)
{
    const TemporaryFolder folder("grid-print");
    CListGridCtrl grid;
    grid.AppendColumn("Text", DT_LEFT, 120);
    grid.AppendRow("short");
    grid.AppendRow("tall");
    grid.AppendRow("after");
    grid.SetRowHeight(1, 5000);

    QPrinter printer(QPrinter::HighResolution);
    const QString file = QString::fromStdString((folder / "tall.pdf").string());
    toPdf(printer, file);
    EXPECT_EQ(grid.Print(printer, "Tall"), 3);
    EXPECT_EQ(pdfPageCount(file), 3);
}
