#include "SharedArt.h"

#include "Painters.h"

#include <QPainter>
#include <QPainterPath>

namespace shared {

namespace {
using art::Mix;
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

QImage MacMenuBar(int w, int h)
{
    // Rows pair up to stay within sixteen colours. The bar shows the top 12
    // rows (or 20 when tall), so both cuts end in a soft grey.
    QImage image(w, h, QImage::Format_ARGB32);
    const Ramp ramp({{0, QColor(0xFF, 0xFF, 0xFF)}, {0.5, QColor(0xEC, 0xEC, 0xEC)}, {0.9, QColor(0xDC, 0xDC, 0xDC)}, {1, QColor(0xA0, 0xA0, 0xA0)}});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, ramp.Row(y / 2 * 2, h));
    return image;
}

QImage MacMenuSelect(int w, int h)
{
    return art::Rows(w, h, Ramp({{0, QColor(0x7F, 0xB8, 0xF2)}, {0.45, QColor(0x4C, 0x94, 0xE4)}, {0.5, QColor(0x2F, 0x78, 0xD6)},
                            {1, QColor(0x3E, 0x88, 0xDE)}}));
}

QImage MenuChecked(int w, int h)
{
    // White is the menus' see-through colour for this picture.
    QImage image = art::Blank(w, h, Qt::white);
    static const art::Glyph check{
        {"........#", ".......##", "#.....###", "##...###.", "###.###..", ".#####...", "..###....", "...#....."}};
    art::DrawGlyphCentred(image, check, Qt::black);
    return image;
}

QImage MacFormBackground(int w, int h)
{
    // Aqua pinstripes, averaging the style's form colour.
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, y % 2 == 0 ? QColor(0xEC, 0xEC, 0xEC) : QColor(0xE2, 0xE2, 0xE2));
    return image;
}

QImage ProteinFormBackground(int w, int h)
{
    QImage image = art::Blank(w, h, QColor(0xFB, 0xFB, 0xFB));
    image.setPixelColor(1, 1, QColor(0xEC, 0xF3, 0xFA));
    image.setPixelColor(w / 2 + 1, h / 2 + 1, QColor(0xEC, 0xF3, 0xFA));
    return image;
}

QImage MacComboButton(int w, int h)
{
    QImage image = art::Rows(w, h, Ramp({{0, QColor(0xE2, 0xF0, 0xFF)}, {0.45, QColor(0xB0, 0xD4, 0xF7)}, {0.5, QColor(0x86, 0xBE, 0xF0)},
                                    {1, QColor(0xC0, 0xE2, 0xFF)}}));
    QPainter p(&image);
    p.fillRect(0, 0, 1, h, QColor(0x6E, 0x8C, 0xB0));
    return image;
}

QImage XPComboButton(int w, int h)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    painters::Surface(p, QRectF(0, 0, w, h), 2, QColor(0xB3, 0xC7, 0xF3),
                      Ramp({{0, QColor(0xDB, 0xE6, 0xFE)}, {0.5, QColor(0xC4, 0xD5, 0xFB)}, {1, QColor(0xB0, 0xC4, 0xF5)}}));
    p.end();
    QImage image = art::Flatten(layer, Qt::white);
    static const art::Glyph chevron{{"#.....#", "##...##", ".##.##.", "..###..", "...#..."}};
    art::DrawGlyphCentred(image, chevron, QColor(0x4D, 0x61, 0x85), 0, 1);
    return image;
}

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
    case 0: bar(3); tri(5, 3); break;
    case 1: tri(5, 3); break;
    case 2: tri(5, 1); break;
    case 3: tri(5, 1); bar(11); break;
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
    case 6: painters::Arrow(p, box, 0, 9 * s, Navy); break;
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
    p.setBrush(painters::Vertical(Ramp({{0, QColor(0x7C, 0xB8, 0xF0)}, {0.5, QColor(0x2A, 0x70, 0xC8)}, {1, QColor(0x4C, 0x94, 0xE2)}}), badge));
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

namespace {
// The dialog colour the link pictures stand on, for their soft edges.
const QColor FormFace(0xE7, 0xE7, 0xE7);
} // namespace

QImage MakerLink(int w, int h)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = w - 2;
    const QRectF globe(1, 1, d, d);
    p.setPen(QPen(QColor(0x17, 0x3E, 0x78), 1));
    p.setBrush(painters::Vertical(Ramp({{0, QColor(0x8C, 0xC8, 0xF6)}, {0.5, QColor(0x3A, 0x86, 0xD8)}, {1, QColor(0x1F, 0x5F, 0xB0)}}), globe));
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
    static const art::Glyph www{{"#...#.#...#.#...#", "#...#.#...#.#...#", "#.#.#.#.#.#.#.#.#", "#.#.#.#.#.#.#.#.#",
                                 ".#.#...#.#...#.#."}};
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
