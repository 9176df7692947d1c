#include "Painters.h"

#include <QPainterPath>

namespace painters {

QLinearGradient Vertical(const art::Ramp& ramp, const QRectF& box)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    constexpr int steps = 24;
    for (int i = 0; i <= steps; ++i)
        g.setColorAt(double(i) / steps, ramp.At(double(i) / steps));
    return g;
}

void Surface(QPainter& p, const QRectF& box, double radius, const QColor& border, const art::Ramp& fill)
{
    const QPainterPath path = art::RoundBox(box, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(fill, box));
    p.drawPath(path);
    if (border.isValid()) {
        p.setPen(QPen(border, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

namespace {
void paintLook(QPainter& p, const QRectF& box, const SurfaceLook& look)
{
    Surface(p, box, look.radius, look.border, look.fill);
    if (look.innerRim.isValid()) {
        const double w = look.innerRimWidth;
        p.setPen(QPen(look.innerRim, w));
        p.setBrush(Qt::NoBrush);
        p.drawPath(art::RoundBox(box.adjusted(w, w, -w, -w), std::max(0.0, look.radius - w)));
    }
}
} // namespace

QImage ButtonFrame(int w, int h, const SurfaceLook& look, const QColor& backdrop, bool keyed)
{
    return art::StretchSafe(w, h, [&](int fw, int fh) {
        QImage layer = art::Transparent(fw, fh);
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        paintLook(p, QRectF(0, 0, fw, fh), look);
        p.end();
        return art::Flatten(layer, backdrop, keyed);
    });
}

const art::Glyph& CheckGlyph(int boxSize)
{
    static const art::Glyph small{{"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."}};
    static const art::Glyph tiny{{".....#", "....##", "#..##.", "####..", ".##...", "......"}};
    return boxSize >= 12 ? small : tiny;
}

QImage CheckFrame(int w, int h, const QRect& box, const SurfaceLook& look, bool checked, const QColor& ink,
                  const QColor& backdrop)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    paintLook(p, QRectF(box), look);
    p.end();
    QImage frame = art::Flatten(layer, backdrop);
    if (checked) {
        const art::Glyph& g = CheckGlyph(box.width());
        art::DrawGlyph(frame, g, box.x() + (box.width() - g.Width()) / 2, box.y() + (box.height() - g.Height()) / 2,
                       ink);
    }
    return frame;
}

QImage RadioFrame(int w, int h, const QRect& box, const SurfaceLook& look, bool checked, const QColor& ink,
                  const QColor& backdrop)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(box);
    SurfaceLook round = look;
    round.radius = r.width() / 2;
    paintLook(p, r, round);
    if (checked) {
        const double d = r.width() * 0.38;
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(r.center(), d / 2, d / 2);
    }
    p.end();
    return art::Flatten(layer, backdrop);
}

QImage Orb(int size, double inset, const QColor& ring, const art::Ramp& body, double highlight)
{
    QImage layer = art::Transparent(size, size);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(inset, inset, size - 2 * inset, size - 2 * inset);
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(body, r));
    p.drawEllipse(r);
    if (highlight > 0) {
        const QRectF shine(r.left() + r.width() * 0.18, r.top() + r.height() * 0.06, r.width() * 0.64,
                           r.height() * 0.46);
        QLinearGradient g(shine.topLeft(), shine.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 255, int(255 * highlight)));
        g.setColorAt(1, QColor(255, 255, 255, int(40 * highlight)));
        p.setBrush(g);
        p.drawEllipse(shine);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ring, 1));
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    return layer;
}

void Arrow(QPainter& p, const QRectF& box, int direction, double size, const QColor& ink)
{
    const QPointF c = box.center();
    const double half = size / 2;
    const double depth = size / 2;
    QPolygonF tri;
    switch (direction) {
    case 0:
        tri << QPointF(c.x() - half, c.y() + depth / 2) << QPointF(c.x() + half, c.y() + depth / 2)
            << QPointF(c.x(), c.y() - depth / 2);
        break;
    case 1:
        tri << QPointF(c.x() - depth / 2, c.y() - half) << QPointF(c.x() - depth / 2, c.y() + half)
            << QPointF(c.x() + depth / 2, c.y());
        break;
    case 2:
        tri << QPointF(c.x() - half, c.y() - depth / 2) << QPointF(c.x() + half, c.y() - depth / 2)
            << QPointF(c.x(), c.y() + depth / 2);
        break;
    default:
        tri << QPointF(c.x() + depth / 2, c.y() - half) << QPointF(c.x() + depth / 2, c.y() + half)
            << QPointF(c.x() - depth / 2, c.y());
        break;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(tri);
}

} // namespace painters
