#include "SharedArt.h"

#include "Painters.h"

#include <QPainter>
#include <QPainterPath>

namespace shared {

namespace {
using art::Ramp;
// The dialog colour the link pictures stand on, for their soft edges.
const QColor FormFace(0xE7, 0xE7, 0xE7);
} // namespace

QImage ProgramIcon(int size)
{
    // A page with a red band (the PDF) and a blue glass badge with an arrow
    // (the conversion), on a transparent background. Drawn on a 16-unit grid
    // so the 16-pixel icon lands on whole pixels.
    QImage icon = art::Transparent(size, size);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const double line = size <= 16 ? 1.0 : std::max(16.0 / size, 0.4);
    const bool large = size >= 48;

    QPainterPath sheet;
    sheet.moveTo(1.5, 0.5);
    sheet.lineTo(9, 0.5);
    sheet.lineTo(12.5, 4);
    sheet.lineTo(12.5, 15.5);
    sheet.lineTo(1.5, 15.5);
    sheet.closeSubpath();
    if (large) {
        for (int i = 3; i >= 1; --i) { // a soft shadow to the lower right
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 18));
            p.drawPath(sheet.translated(0.12 * i, 0.16 * i));
        }
    }
    p.setPen(QPen(QColor(0x4A, 0x55, 0x66), line));
    p.setBrush(painters::Vertical(Ramp({{0, Qt::white}, {1, QColor(0xE6, 0xEB, 0xF2)}}), QRectF(1.5, 0.5, 11, 15)));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(9, 0.5);
    fold.lineTo(9, 4);
    fold.lineTo(12.5, 4);
    fold.closeSubpath();
    p.setBrush(QColor(0xCF, 0xD7, 0xE2));
    p.drawPath(fold);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x2A, 0x1E));
    p.drawRect(QRectF(2.5, 4.6, 7.5, 2.6));
    p.setBrush(QColor(0x9A, 0xA6, 0xB6));
    for (double y = 8.6; y < 14; y += 2)
        p.drawRect(QRectF(3, y, 4.5, 0.9));

    const QRectF badge(7.2, 7.2, 8.6, 8.6);
    p.setBrush(painters::Vertical(
        Ramp({{0, QColor(0x7C, 0xB8, 0xF0)}, {0.5, QColor(0x2A, 0x70, 0xC8)}, {1, QColor(0x4C, 0x94, 0xE2)}}), badge));
    p.setPen(QPen(QColor(0x17, 0x3E, 0x78), line));
    p.drawEllipse(badge);
    if (large) {
        const QRectF shine(badge.left() + 1.6, badge.top() + 0.6, badge.width() - 3.2, badge.height() * 0.45);
        QLinearGradient g(shine.topLeft(), shine.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 255, 170));
        g.setColorAt(1, QColor(255, 255, 255, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(shine);
    }
    QPainterPath arrow;
    arrow.moveTo(9.2, 10.7);
    arrow.lineTo(11.7, 10.7);
    arrow.lineTo(11.7, 9.2);
    arrow.lineTo(14.3, 11.5);
    arrow.lineTo(11.7, 13.8);
    arrow.lineTo(11.7, 12.3);
    arrow.lineTo(9.2, 12.3);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return icon;
}

QImage MakerLink(int w, int h)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = w - 2;
    const QRectF globe(1, 1, d, d);
    p.setPen(QPen(QColor(0x17, 0x3E, 0x78), 1));
    p.setBrush(painters::Vertical(
        Ramp({{0, QColor(0x8C, 0xC8, 0xF6)}, {0.5, QColor(0x3A, 0x86, 0xD8)}, {1, QColor(0x1F, 0x5F, 0xB0)}}), globe));
    p.drawEllipse(globe.adjusted(0.5, 0.5, -0.5, -0.5));
    // Meridians and parallels.
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.setBrush(Qt::NoBrush);
    const QPointF c = globe.center();
    p.drawEllipse(c, d * 0.22, d / 2 - 1);
    p.drawLine(QPointF(c.x(), globe.top() + 1), QPointF(c.x(), globe.bottom() - 1));
    p.drawLine(QPointF(globe.left() + 1, c.y()), QPointF(globe.right() - 1, c.y()));
    p.drawLine(QPointF(globe.left() + 3, c.y() - d * 0.25), QPointF(globe.right() - 3, c.y() - d * 0.25));
    p.drawLine(QPointF(globe.left() + 3, c.y() + d * 0.25), QPointF(globe.right() - 3, c.y() + d * 0.25));
    p.end();
    QImage image = art::Flatten(layer, FormFace, true);
    static const art::Glyph www{
        {"#...#.#...#.#...#", "#...#.#...#.#...#", "#.#.#.#.#.#.#.#.#", "#.#.#.#.#.#.#.#.#", ".#.#...#.#...#.#."}};
    art::DrawGlyph(image, www, (w - www.Width()) / 2, h - www.Height() - 2, QColor(0x17, 0x3E, 0x78));
    return image;
}

QImage ProductLink(int w, int h)
{
    QImage icon = ProgramIcon(std::min(w, h) - 1);
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.drawImage(0, 0, icon);
    p.end();
    return art::Flatten(layer, FormFace, true);
}

} // namespace shared
