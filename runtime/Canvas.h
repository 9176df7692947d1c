#pragma once

#include "runtime/Bitmap.h"
#include "runtime/TColor.h"

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QVector>

class QPaintDevice;

namespace runtime {

// A rectangle given as Left, Top, Right, Bottom with Right and Bottom
// exclusive, the way every drawing rule of the skin is written.
constexpr QRect Rect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
constexpr int Right(const QRect& r)
{
    return r.x() + r.width();
}
constexpr int Bottom(const QRect& r)
{
    return r.y() + r.height();
}

// A thin canvas over QPainter with the semantics the skin's drawing rules
// were written for: fills and copies leave out the right and bottom edges,
// FrameRect draws inside its rectangle, stretched copies are
// nearest-neighbour, LineTo leaves out its end point, and bitmaps drawn
// transparent key out their transparent colour.
class Canvas {
public:
    explicit Canvas(QPaintDevice* device);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // For text and anything the GDI-like calls below do not cover.
    QPainter& painter() { return m_painter; }

    void setPenColor(TColor color) { m_pen = ColorFromTColor(color).rgb(); }
    void setBrushColor(TColor color) { m_brush = ColorFromTColor(color).rgb(); }

    void fillRect(const QRect& rect);
    void frameRect(const QRect& rect);

    void moveTo(int x, int y) { m_penPos = QPoint(x, y); }
    void lineTo(int x, int y);
    // Joined lines; like LineTo, only the very last point is left out.
    void polyline(const QVector<QPoint>& points);

    // Copies source pixels into dest, stretched nearest-neighbour, opaque.
    void copyRect(const QRect& dest, const QImage& source, const QRect& sourceRect);
    // Draws the whole bitmap at (x, y), opaque.
    void draw(int x, int y, const QImage& bitmap);
    // Draws the bitmap at (x, y) with every pixel of the key colour left out.
    void drawTransparent(int x, int y, const QImage& bitmap, QRgb key);
    // Draws the bitmap stretched nearest-neighbour into dest; when
    // transparent, its bottom-left pixel's colour is left out.
    void stretchDraw(const QRect& dest, const QImage& bitmap, bool transparent = false);
    // Draws the bitmap greyed, the look of a disabled image.
    void drawDisabled(int x, int y, const QImage& bitmap, bool transparent);

private:
    void plot(int x, int y, QRgb rgb);

    QPainter m_painter;
    QRgb m_pen = 0xFF000000u;
    QRgb m_brush = 0xFFFFFFFFu;
    QPoint m_penPos;
};

// Nearest-neighbour scaling of a part of an image: destination pixel (x, y)
// takes source pixel (sx + x * sw / w, sy + y * sh / h). Pixels outside the
// image read as black.
QImage StretchNearest(const QImage& source, const QRect& sourceRect, int width, int height);

// A copy in which every pixel of the key colour is fully see-through.
QImage KeyedOut(const QImage& image, QRgb key);

} // namespace runtime
