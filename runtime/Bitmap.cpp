#include "runtime/Bitmap.h"

#include <algorithm>

namespace runtime {

QImage ToBitmap(const QImage& image)
{
    return image.isNull() ? QImage() : image.convertToFormat(BitmapFormat);
}

void SetBitmapSize(QImage& bitmap, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (!bitmap.isNull() && bitmap.width() == width && bitmap.height() == height && bitmap.format() == BitmapFormat)
        return;
    QImage resized(width, height, BitmapFormat);
    resized.fill(Qt::black);
    const QImage source = ToBitmap(bitmap);
    const int w = std::min(width, source.width());
    for (int y = 0; y < std::min(height, source.height()); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(source.constScanLine(y)), w,
                    reinterpret_cast<QRgb*>(resized.scanLine(y)));
    bitmap = resized;
}

QRgb DefaultTransparentColor(const QImage& bitmap)
{
    if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0)
        return 0xFF000000u;
    return bitmap.pixel(0, bitmap.height() - 1) | 0xFF000000u;
}

bool LoadBitmapFromBmpData(QImage& bitmap, const QByteArray& bytes)
{
    QImage decoded;
    // The format is named so that no other image decoder ever sees the bytes.
    if (bytes.isEmpty() || !decoded.loadFromData(bytes, "BMP"))
        return false;
    bitmap = ToBitmap(decoded);
    return true;
}

} // namespace runtime
