// Morvane main window, view and interaction, tests.
// Measurement images read from files of the four formats and drawn scaled into a rectangle.
#include "TemporaryFolder.h"
#include "app/ui/view/ImageFile.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

/// A 4 x 4 GIF, every pixel red (Qt reads GIF but does not write it).
constexpr unsigned char kRedGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00,
    0x00, 0xFF, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x04, 0x00, 0x00, 0x02,
    0x0A, 0x4C, 0x98, 0x30, 0x61, 0xC2, 0x84, 0x09, 0x13, 0x26, 0x05, 0x00, 0x3B};

QImage redSquare()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

QString pathIn(const TemporaryFolder &folder, const char *name)
{
    return QString::fromStdString((folder / name).string());
}

} // namespace

TEST(ImageFileTest, ReadsTheFourFormatsByTheirExtensionInAnyCase)
{
    TemporaryFolder folder("image-file");
    struct Row
    {
        const char *name;
        const char *writtenAs;
    };
    const Row rows[] = {
        {"a.JPG", "JPG"}, {"b.jpg", "JPG"}, {"c.bmp", "BMP"}, {"d.Tif", "TIFF"}, {"e.gif", nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = pathIn(folder, row.name);
        if (row.writtenAs != nullptr) {
            ASSERT_TRUE(redSquare().save(path, row.writtenAs));
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char *>(kRedGif), sizeof(kRedGif));
        }
        QImage image;
        ASSERT_TRUE(LoadImageFile(path, image));
        EXPECT_EQ(image.size(), QSize(4, 4));
        const QColor centre = image.pixelColor(1, 1);
        EXPECT_GT(centre.red(), 200);
        EXPECT_LT(centre.green(), 60);
    }
}

TEST(ImageFileTest, OtherExtensionsAndBrokenFilesGiveANullImageAndTheReason)
{
    TemporaryFolder folder("image-file");
    const QString jpeg = pathIn(folder, "a.jpeg");
    const QString png = pathIn(folder, "b.png");
    const QString broken = pathIn(folder, "c.jpg");
    ASSERT_TRUE(redSquare().save(jpeg, "JPG"));
    ASSERT_TRUE(redSquare().save(png, "PNG"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();

    for (const QString &path : {jpeg, png, broken, pathIn(folder, "missing.bmp")}) {
        SCOPED_TRACE(path.toStdString());
        QImage image = redSquare();
        QString reason;
        EXPECT_FALSE(LoadImageFile(path, image, &reason));
        EXPECT_TRUE(image.isNull());
        EXPECT_TRUE(reason.startsWith(path));
    }
}

TEST(ImageFileTest, AWideImageIsDrawnCentredInTheRowsItFills)
{
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QImage target(100, 100, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        DrawBitmap(wide, QRect(0, 0, 100, 100), painter);
    }
    for (int y = 0; y < 100; ++y) {
        SCOPED_TRACE(y);
        const bool inside = y >= 25 && y <= 74;
        for (int x : {0, 50, 99})
            EXPECT_EQ(target.pixelColor(x, y) == Qt::red, inside) << x;
    }
}
