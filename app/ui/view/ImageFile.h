// Morvane main window, view and interaction.
// The measurement images: read from a file and drawn scaled into a rectangle.
#pragma once

#include <QRect>

QT_BEGIN_NAMESPACE
class QImage;
class QPainter;
class QString;
QT_END_NAMESPACE

/// Reads a JPG, TIF, BMP or GIF image, the format told by the last four characters of the path
/// (".jpg", ".tif", ".bmp", ".gif" in any case; ".jpeg", ".png" and others are not read). False,
/// the image null and the reason in reason (when given), for another extension, a file that
/// cannot be opened or an image that does not decode.
bool LoadImageFile(const QString &path, QImage &image, QString *reason = nullptr);

/// Draws the image into the rectangle (device pixels) as large as it fits with its aspect
/// kept (enlarged as well as reduced), its size truncated to whole pixels, centred.
void DrawBitmap(const QImage &image, const QRect &rect, QPainter &painter);
