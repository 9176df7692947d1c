#include "runtime/Bitmap.h"

#include "runtime/BitmapResource.h"

namespace runtime {

Bitmap::Bitmap(const QImage& image)
{
    setImage(image);
}

Bitmap::Bitmap(int width, int height)
{
    setSize(width, height);
}

void Bitmap::setImage(const QImage& image)
{
    m_image = image.isNull() ? QImage() : image.convertToFormat(BitmapFormat);
}

void Bitmap::setSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == this->width() && height == this->height() && !m_image.isNull())
        return;
    QImage resized(width, height, BitmapFormat);
    resized.fill(Qt::black);
    if (!m_image.isNull()) {
        const int w = std::min(width, this->width());
        const int h = std::min(height, this->height());
        for (int y = 0; y < h; ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(m_image.constScanLine(y)), w,
                        reinterpret_cast<QRgb*>(resized.scanLine(y)));
    }
    m_image = resized;
}

QRgb Bitmap::transparentColor() const
{
    if (m_transparentColor)
        return *m_transparentColor;
    if (isEmpty())
        return 0xFF000000u;
    return m_image.pixel(0, height() - 1) | 0xFF000000u;
}

bool Bitmap::loadFromBmpData(const QByteArray& bytes)
{
    QImage decoded;
    // The format is named so that no other image decoder ever sees the bytes.
    if (bytes.isEmpty() || !decoded.loadFromData(bytes, "BMP"))
        return false;
    setImage(decoded);
    return true;
}

void Bitmap::loadFromResource(const QString& name)
{
    setImage(LoadBitmapResource(name));
}

} // namespace runtime
