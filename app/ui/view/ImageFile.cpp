// Morvane main window, view and interaction.
// The measurement images: read from a file and drawn scaled into a rectangle.
#include "app/ui/view/ImageFile.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The reader of each extension the measurement images may have.
constexpr std::array<std::pair<const char *, const char *>, 4> kFormats = {{
    {".jpg", "jpg"}, {".tif", "tiff"}, {".bmp", "bmp"}, {".gif", "gif"}}};

const char *formatOf(const QString &path)
{
    const QString extension = path.right(4);
    for (const auto &[suffix, format] : kFormats) {
        if (extension.compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0)
            return format;
    }
    return nullptr;
}

} // namespace

bool LoadImageFile(const QString &path, QImage &image, QString *reason)
{
    image = QImage();
    const char *format = formatOf(path);
    if (format == nullptr) {
        if (reason != nullptr)
            *reason = QStringLiteral("%1: not a JPG, TIF, BMP or GIF image").arg(path);
        return false;
    }
    QImageReader reader(path, format);
    if (reader.read(&image))
        return true;
    if (reason != nullptr)
        *reason = QStringLiteral("%1: %2").arg(path, reader.errorString());
    image = QImage();
    return false;
}

void DrawBitmap(const QImage &image, const QRect &rect, QPainter &painter)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return;
    const double factor = std::min(static_cast<double>(rect.width()) / image.width(),
                                   static_cast<double>(rect.height()) / image.height());
    const int width = static_cast<int>(image.width() * factor);
    const int height = static_cast<int>(image.height() * factor);
    const QRect target(rect.x() + (rect.width() - width) / 2,
                       rect.y() + (rect.height() - height) / 2, width, height);
    painter.drawImage(target, image);
}
