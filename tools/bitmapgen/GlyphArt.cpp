#include "SharedArt.h"

#include "Painters.h"

#include <QPainter>
#include <QPainterPath>

namespace shared {

namespace {
using art::Ramp;

const QColor NavFace(0xE8, 0xE8, 0xE8);
const QColor Navy(0x1F, 0x3C, 0x78);
const QColor Green(0x1E, 0x8C, 0x2E);
const QColor Red(0xC0, 0x2B, 0x20);

// An antialiased glyph layer keyed onto the key colour: its soft edges are
// blended onto the face the glyph will be shown on.
QImage keyed(const QImage& layer, const QColor& face)
{
    return art::Flatten(layer, face, true);
}

// The classic disabled look: the glyph's shape in grey over a white copy one
// pixel down and right.
QImage embossed(const QImage& layer, const QColor& face)
{
    QImage shape = art::Transparent(layer.width(), layer.height());
    QPainter p(&shape);
    QImage white = layer, grey = layer;
    for (QImage* img : {&white, &grey}) {
        QPainter q(img);
        q.setCompositionMode(QPainter::CompositionMode_SourceIn);
        q.fillRect(img->rect(), img == &white ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
    }
    p.drawImage(1, 1, white);
    p.drawImage(0, 0, grey);
    p.end();
    return keyed(shape, face);
}
} // namespace

QImage NavigatorGlyph(int frame, int w, int h)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, w, h);
    const double s = w / 16.0;
    auto bar = [&](double x) {
        p.setPen(Qt::NoPen);
        p.setBrush(Navy);
        p.drawRect(QRectF(x * s, 4 * s, 2 * s, 8 * s));
    };
    auto tri = [&](double x, int dir) { painters::Arrow(p, QRectF(x * s, 0, 6 * s, h), dir, 8 * s, Navy); };
    switch (frame) {
    case 0:
        bar(3);
        tri(5, 3);
        break;
    case 1:
        tri(5, 3);
        break;
    case 2:
        tri(5, 1);
        break;
    case 3:
        tri(5, 1);
        bar(11);
        break;
    case 4:
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawRect(QRectF(7 * s, 3 * s, 2 * s, 10 * s));
        p.drawRect(QRectF(3 * s, 7 * s, 10 * s, 2 * s));
        break;
    case 5:
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawRect(QRectF(3 * s, 7 * s, 10 * s, 2 * s));
        break;
    case 6:
        painters::Arrow(p, box, 0, 9 * s, Navy);
        break;
    case 7: {
        QPainterPath tick;
        tick.moveTo(3 * s, 8 * s);
        tick.lineTo(6.5 * s, 11.5 * s);
        tick.lineTo(13 * s, 4.5 * s);
        p.setPen(QPen(Green, 2.2 * s, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(tick);
        break;
    }
    case 8:
        p.setPen(QPen(Red, 2.2 * s, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(QPointF(4 * s, 4 * s), QPointF(12 * s, 12 * s));
        p.drawLine(QPointF(12 * s, 4 * s), QPointF(4 * s, 12 * s));
        break;
    default: {
        p.setPen(QPen(Navy, 2 * s, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5 * s, 3.5 * s, 9 * s, 9 * s), 100 * 16, 280 * 16);
        painters::Arrow(p, QRectF(7 * s, 1 * s, 5 * s, 5 * s), 1, 5 * s, Navy);
        break;
    }
    }
    p.end();
    return keyed(layer, NavFace);
}

QImage LookupFrame(LookupGlyph glyph, int frame, int w, int h)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case LookupGlyph::File: {
        QPainterPath sheet;
        sheet.moveTo(2.5, 0.5);
        sheet.lineTo(w - 4.5, 0.5);
        sheet.lineTo(w - 1.5, 3.5);
        sheet.lineTo(w - 1.5, h - 0.5);
        sheet.lineTo(2.5, h - 0.5);
        sheet.closeSubpath();
        p.setPen(QPen(QColor(0x50, 0x5A, 0x68), 1));
        p.setBrush(Qt::white);
        p.drawPath(sheet);
        p.setPen(QPen(QColor(0xC0, 0x2B, 0x20), 1));
        p.drawLine(QPointF(4, 3.5), QPointF(w - 5, 3.5));
        p.setPen(QPen(QColor(0x8A, 0x96, 0xA8), 1));
        for (double y = 6.5; y < h - 1; y += 2)
            p.drawLine(QPointF(4, y), QPointF(w - 3, y));
        break;
    }
    case LookupGlyph::Folder: {
        const QRectF body(0.5, 3.5, w - 1, h - 5);
        p.setPen(QPen(QColor(0x9A, 0x70, 0x10), 1));
        p.setBrush(QColor(0xF0, 0xC4, 0x48));
        p.drawRect(QRectF(0.5, 1.5, w * 0.45, 3));
        p.setBrush(painters::Vertical(Ramp({{0, QColor(0xFF, 0xE0, 0x80)}, {1, QColor(0xE8, 0xB0, 0x30)}}), body));
        p.drawRect(body);
        break;
    }
    case LookupGlyph::Ellipsis:
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(2 + i * 4, h / 2 + 1, 2, 2));
        break;
    case LookupGlyph::DropDown:
        painters::Arrow(p, QRectF(0, 0, w, h), 2, 7, Qt::black);
        break;
    }
    p.end();
    if (frame == 0)
        return keyed(layer, NavFace);
    // Pictures turn pale grey when disabled; black marks are embossed as
    // the system draws disabled text.
    const bool picture = glyph == LookupGlyph::File || glyph == LookupGlyph::Folder;
    return picture ? keyed(art::Disabled(layer, NavFace, 0.5), NavFace) : embossed(layer, NavFace);
}

} // namespace shared
