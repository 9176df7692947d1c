#include "runtime/Canvas.h"

#include <QPaintDevice>

#include <cstdlib>
#include <vector>

namespace runtime {

namespace {

QRgb pixelOrBlack(const QImage& image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return 0xFF000000u;
    return image.pixel(x, y);
}

} // namespace

Canvas::Canvas(QPaintDevice* device) : m_painter(device)
{
    // On a HiDPI device pictures drawn at their own size are enlarged; they
    // are smoothed rather than doubled pixel for pixel. At ratio 1 nothing
    // is scaled and the rules above hold to the pixel.
    if (device && device->devicePixelRatioF() != 1.0)
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void Canvas::fillRect(const QRect& rect)
{
    if (rect.width() > 0 && rect.height() > 0)
        m_painter.fillRect(rect, QColor::fromRgb(m_brush));
}

void Canvas::frameRect(const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int l = rect.x(), t = rect.y(), r = Right(rect), b = Bottom(rect);
    fillRect(Rect(l, t, r, t + 1));
    fillRect(Rect(l, b - 1, r, b));
    fillRect(Rect(l, t, l + 1, b));
    fillRect(Rect(r - 1, t, r, b));
}

void Canvas::plot(int x, int y, QRgb rgb)
{
    m_painter.fillRect(QRect(x, y, 1, 1), QColor::fromRgb(rgb));
}

void Canvas::lineTo(int x, int y)
{
    // Bresenham from the pen position, stopping one step short of (x, y).
    int x0 = m_penPos.x(), y0 = m_penPos.y();
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        plot(x0, y0, m_pen);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    m_penPos = QPoint(x, y);
}

void Canvas::polyline(const QVector<QPoint>& points)
{
    if (points.isEmpty())
        return;
    const QPoint saved = m_penPos;
    moveTo(points.first().x(), points.first().y());
    for (qsizetype i = 1; i < points.size(); ++i)
        lineTo(points[i].x(), points[i].y());
    m_penPos = saved;
}

void Canvas::copyRect(const QRect& dest, const QImage& source, const QRect& sourceRect)
{
    if (dest.width() <= 0 || dest.height() <= 0 || sourceRect.width() <= 0 || sourceRect.height() <= 0)
        return;
    const auto mode = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    // An opaque picture copied at its own size is drawn from where it lies:
    // the stretched copy would be the same pixels in a new picture.
    if (dest.size() == sourceRect.size() && source.format() == QImage::Format_RGB32
        && source.rect().contains(sourceRect))
        m_painter.drawImage(dest.topLeft(), source, sourceRect);
    else
        m_painter.drawImage(dest.topLeft(), StretchNearest(source, sourceRect, dest.width(), dest.height()));
    m_painter.setCompositionMode(mode);
}

void Canvas::draw(int x, int y, const QImage& bitmap)
{
    if (!bitmap.isNull())
        m_painter.drawImage(QPoint(x, y), bitmap);
}

void Canvas::drawTransparent(int x, int y, const QImage& bitmap, QRgb key)
{
    if (!bitmap.isNull())
        m_painter.drawImage(QPoint(x, y), KeyedOut(bitmap, key));
}

void Canvas::stretchDraw(const QRect& dest, const QImage& bitmap, bool transparent)
{
    if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0 || dest.width() <= 0 || dest.height() <= 0)
        return;
    const QImage scaled = StretchNearest(bitmap, bitmap.rect(), dest.width(), dest.height());
    if (transparent)
        drawTransparent(dest.x(), dest.y(), scaled, DefaultTransparentColor(bitmap));
    else
        draw(dest.x(), dest.y(), scaled);
}

void Canvas::drawDisabled(int x, int y, const QImage& bitmap, bool transparent)
{
    if (bitmap.isNull())
        return;
    // Lightened grey keeps the shape readable while plainly not active.
    QImage grey = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = DefaultTransparentColor(bitmap) & 0xFFFFFFu;
    for (int py = 0; py < grey.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(py));
        for (int px = 0; px < grey.width(); ++px) {
            if (transparent && (line[px] & 0xFFFFFFu) == key) {
                line[px] = 0;
                continue;
            }
            const int g = 128 + qGray(line[px]) / 2;
            line[px] = qRgb(g, g, g);
        }
    }
    m_painter.drawImage(QPoint(x, y), grey);
}

QImage StretchNearest(const QImage& source, const QRect& sourceRect, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    QImage out(width, height, BitmapFormat);
    const int sx = sourceRect.x(), sy = sourceRect.y();
    const int sw = sourceRect.width(), sh = sourceRect.height();
    const int sourceWidth = source.width(), sourceHeight = source.height();
    // Every skin part is copied through here on every paint: the source
    // column of each output column is worked out once, and in the two
    // formats whose stored words are what pixel() answers, rows are read
    // directly instead of pixel by pixel.
    std::vector<int> columns(std::size_t(width), 0);
    for (int x = 0; x < width; ++x)
        columns[std::size_t(x)] = sx + int(qint64(x) * sw / width);
    const bool direct = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const int srcY = sy + int(qint64(y) * sh / height);
        if (!direct || srcY < 0 || srcY >= sourceHeight) {
            for (int x = 0; x < width; ++x)
                line[x] = pixelOrBlack(source, columns[std::size_t(x)], srcY) | 0xFF000000u;
            continue;
        }
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(srcY));
        for (int x = 0; x < width; ++x) {
            const int srcX = columns[std::size_t(x)];
            line[x] = (srcX < 0 || srcX >= sourceWidth ? 0u : row[srcX]) | 0xFF000000u;
        }
    }
    return out;
}

QImage KeyedOut(const QImage& image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    key &= 0xFFFFFFu;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == key)
                line[x] = 0;
    }
    return out;
}

} // namespace runtime
